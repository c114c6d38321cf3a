// Loading Setting.ini into the dialog, the input check and Save, through the real dialog.
#include "controls/buttons/hot_bit_btn.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "tests/dialog/dialog_fixture.h"

namespace {
std::string IniWith(const std::string& lines) { return "[Main]\r\n" + lines; }
}  // namespace

TEST_F(TDialogTest, FirstStartWithoutSettingsShowsDefaults) {
    TFrmCorvane& dialog = OpenDialog();
    EXPECT_EQ(dialog.EditServerName->Text(), "");
    EXPECT_EQ(dialog.EditDatabaseName->Text(), "");
    EXPECT_EQ(dialog.EditUserName->Text(), "Sa");
    EXPECT_EQ(dialog.EditPassword->Text(), "");
    EXPECT_EQ(dialog.EditConnPort->Text(), "");  // the designed "1433" is replaced
    EXPECT_EQ(dialog.RdgConnType->ItemIndex(), 0);
    EXPECT_FALSE(dialog.EditUserName->Enabled());
    EXPECT_FALSE(dialog.EditPassword->Enabled());
    EXPECT_FALSE(FileExists("Setting.ini"));  // reading creates nothing
    EXPECT_TRUE(FBoxes.empty());
}

TEST_F(TDialogTest, AnEmptyUserLineLoadsAnEmptyUserName) {
    WriteFile("Setting.ini", IniWith("DBUser=\r\n"));
    TFrmCorvane& dialog = OpenDialog();
    EXPECT_EQ(dialog.EditUserName->Text(), "");
}

TEST_F(TDialogTest, LongValuesAreCutTo2047Characters) {
    WriteFile("Setting.ini", IniWith("DBServer=" + std::string(3000, 'x') + "\r\n"));
    TFrmCorvane& dialog = OpenDialog();
    EXPECT_EQ(dialog.EditServerName->Text(), std::string(2047, 'x'));
}

struct TConnTypeCase {
    const char* Stored;  // nullptr: no key
    int ItemIndex;
    bool Enabled;
};

TEST_F(TDialogTest, StoredConnTypeSelectsTheAuthenticationKind) {
    const TConnTypeCase cases[] = {
        {nullptr, 0, false}, {"1", 0, false},     {"2", 1, true},     {"0", -1, false},
        {"3", 1, true},      {"17", 1, true},     {"-4", 1, true},    {"abc", 1, true},
        {"$2", 1, true},     {"True", 0, false},  {"false", -1, false}, {" 2", 1, true},
    };
    for (const TConnTypeCase& row : cases) {
        WriteFile("Setting.ini", IniWith(row.Stored ? "ConnType=" + std::string(row.Stored) + "\r\n" : ""));
        TFrmCorvane& dialog = OpenDialog();
        const char* name = row.Stored ? row.Stored : "(none)";
        EXPECT_EQ(dialog.RdgConnType->ItemIndex(), row.ItemIndex) << "ConnType " << name;
        EXPECT_EQ(dialog.EditUserName->Enabled(), row.Enabled) << "ConnType " << name;
        EXPECT_EQ(dialog.EditPassword->Enabled(), row.Enabled) << "ConnType " << name;
        FDialog.reset();
    }
    EXPECT_TRUE(FBoxes.empty());
}

TEST_F(TDialogTest, CorruptedPasswordStopsTheLoadSilently) {
    WriteFile("Setting.ini", IniWith("DBServer=srv\r\nDBUser=u\r\nDBName=db\r\nConnPort=1500\r\n"
                                     "DBPsw=XYZ1\r\nConnType=1\r\n"));
    TFrmCorvane& dialog = OpenDialog();
    EXPECT_EQ(dialog.EditServerName->Text(), "srv");
    EXPECT_EQ(dialog.EditConnPort->Text(), "1500");
    EXPECT_EQ(dialog.EditPassword->Text(), "");
    EXPECT_EQ(dialog.RdgConnType->ItemIndex(), 1);  // the designed item stays
    EXPECT_TRUE(dialog.EditUserName->Enabled());
    EXPECT_TRUE(FBoxes.empty());
    EXPECT_FALSE(FileExists("error.txt"));
}

TEST_F(TDialogTest, SavedSettingsLoadBack) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.RdgConnType->SetItemIndex(1);
    dialog.EditServerName->SetText("  db.example ");
    dialog.EditDatabaseName->SetText("Sales");
    dialog.EditUserName->SetText("reporter");
    dialog.EditPassword->SetText(" pa;ss\xC3\xDC");  // a leading blank and two GBK bytes
    dialog.EditConnPort->SetText("1434");
    dialog.BtnSaveClick(nullptr);
    EXPECT_TRUE(FApplication->Terminated());
    EXPECT_TRUE(FBoxes.empty());
    FDialog.reset();

    TFrmCorvane& again = OpenDialog();
    // The profile interface hands values back without their surrounding blanks.
    EXPECT_EQ(again.EditServerName->Text(), "db.example");
    EXPECT_EQ(again.EditDatabaseName->Text(), "Sales");
    EXPECT_EQ(again.EditUserName->Text(), "reporter");
    EXPECT_EQ(again.EditPassword->Text(), " pa;ss\xC3\xDC");
    EXPECT_EQ(again.EditConnPort->Text(), "1434");
    EXPECT_EQ(again.RdgConnType->ItemIndex(), 1);
}

TEST_F(TDialogTest, SaveWritesAllKeysInOrder) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.EditServerName->SetText("srv");
    dialog.EditDatabaseName->SetText("db");
    dialog.EditUserName->SetText("");
    dialog.BtnSaveClick(nullptr);  // Windows authentication: the user name is not required
    EXPECT_TRUE(FBoxes.empty());
    EXPECT_EQ(ReadFile("Setting.ini"),
              "[Main]\r\nDBServer=srv\r\nDBUser=\r\nDBName=db\r\nConnPort=\r\nDBPsw=\r\nConnType=1\r\n");
}

TEST_F(TDialogTest, SaveStoresThePasswordAsUpperCaseHexCipherText) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.RdgConnType->SetItemIndex(1);
    dialog.EditServerName->SetText("srv");
    dialog.EditDatabaseName->SetText("db");
    dialog.EditPassword->SetText("P@ssw0rd");
    dialog.BtnSaveClick(nullptr);
    std::string ini = ReadFile("Setting.ini");
    EXPECT_NE(ini.find("DBPsw=EA7EE051AF84B75F\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("ConnType=2\r\n"), std::string::npos) << ini;
}

struct TPortCase {
    const char* Typed;
    const char* Stored;
};

TEST_F(TDialogTest, SaveKeepsOnlyANonStandardPort) {
    const TPortCase cases[] = {
        {"", ""},   {"1433", ""},     {"0", ""},         {"abc", ""},        {"1434 ", ""},
        {"1434", "1434"}, {"$59A", "$59A"}, {"0x59A", "0x59A"}, {"+1500", "+1500"}, {"-5", "-5"},
    };
    for (const TPortCase& row : cases) {
        DeleteFileA(Path("Setting.ini").c_str());
        TFrmCorvane& dialog = OpenDialog();
        dialog.EditServerName->SetText("srv");
        dialog.EditDatabaseName->SetText("db");
        dialog.EditConnPort->SetText(row.Typed);
        dialog.BtnSaveClick(nullptr);
        std::string ini = ReadFile("Setting.ini");
        EXPECT_NE(ini.find("ConnPort=" + std::string(row.Stored) + "\r\n"), std::string::npos)
            << "typed '" << row.Typed << "': " << ini;
        FDialog.reset();
    }
}

TEST_F(TDialogTest, ALoadedPortIsWrittenBackWithoutShowingItsEditor) {
    WriteFile("Setting.ini", IniWith("DBServer=srv\r\nDBName=db\r\nConnPort=2000\r\n"));
    TFrmCorvane& dialog = OpenDialog();
    ASSERT_FALSE(dialog.EditConnPort->Visible());
    dialog.BtnSaveClick(nullptr);
    EXPECT_NE(ReadFile("Setting.ini").find("ConnPort=2000\r\n"), std::string::npos);
}

struct TCheckCase {
    const char* Server;
    const char* Database;
    const char* User;
    int ItemIndex;
    std::u8string_view Message;
    const char* Focus;
};

TEST_F(TDialogTest, CheckInputStopsSaveWithItsMessage) {
    const TCheckCase cases[] = {
        {"   ", "db", "u", 1, u8"请输入SQL服务器名称！", "EditServerName"},
        {"\t", "db", "u", 0, u8"请输入SQL服务器名称！", "EditServerName"},
        {"srv", "", "u", 1, u8"请输入数据库名称！", "EditDatabaseName"},
        {"srv", "db", " ", 1, u8"请输入用户名！", "EditUserName"},
    };
    for (const TCheckCase& row : cases) {
        FBoxes.clear();
        TFrmCorvane& dialog = OpenDialog();
        dialog.RdgConnType->SetItemIndex(row.ItemIndex);
        dialog.EditServerName->SetText(row.Server);
        dialog.EditDatabaseName->SetText(row.Database);
        dialog.EditUserName->SetText(row.User);
        dialog.BtnTest->SetFocus();
        Pump();
        std::string focusWhileShown;
        FOnBox = [&](const TMessageBoxRequest&) { focusWhileShown = FocusedName(); };
        dialog.BtnSaveClick(nullptr);
        Pump();
        ASSERT_EQ(FBoxes.size(), 1u) << row.Focus;
        EXPECT_EQ(FBoxes[0].Text, Ansi(row.Message));
        EXPECT_EQ(FBoxes[0].Caption, Ansi(u8"提示"));
        EXPECT_EQ(FBoxes[0].Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONINFORMATION));
        EXPECT_EQ(focusWhileShown, "BtnTest") << "the focus moves after the box";
        EXPECT_EQ(FocusedName(), row.Focus);
        EXPECT_FALSE(FileExists("Setting.ini"));
        EXPECT_FALSE(FApplication->Terminated());
        FOnBox = nullptr;
        FDialog.reset();
    }
}

TEST_F(TDialogTest, NoUserNameNeededWithoutAnAuthenticationItem) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.RdgConnType->SetItemIndex(-1);
    dialog.EditServerName->SetText("srv");
    dialog.EditDatabaseName->SetText("db");
    dialog.EditUserName->SetText("");
    dialog.BtnSaveClick(nullptr);
    EXPECT_TRUE(FBoxes.empty());
    EXPECT_NE(ReadFile("Setting.ini").find("ConnType=0\r\n"), std::string::npos);
}

// A folder where Setting.ini should be makes every write fail (a read-only file does not
// stop the superuser under Wine).
TEST_F(TDialogTest, FailingSaveIsShownLoggedAndKeepsTheDialogOpen) {
    CreateDirectoryA(Path("Setting.ini").c_str(), nullptr);
    TFrmCorvane& dialog = OpenDialog();
    dialog.EditServerName->SetText("srv");
    dialog.EditDatabaseName->SetText("db");
    dialog.BtnSaveClick(nullptr);
    std::string expected = "Unable to write to " + Path("Setting.ini");
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Text, expected);
    EXPECT_EQ(FBoxes[0].Caption, Ansi(u8"提示"));
    EXPECT_EQ(FBoxes[0].Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONERROR));
    std::string log = ReadFile("error.txt");
    ASSERT_GE(log.size(), expected.size() + 3);
    EXPECT_EQ(log.substr(log.find('\t') + 1), expected + "\r\n");
    EXPECT_FALSE(FApplication->Terminated());
    EXPECT_TRUE(dialog.Visible());
}
