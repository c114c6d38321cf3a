// The Test command through the real dialog, with the database client substituted.
#include "controls/animation/gif_animator.h"
#include "controls/buttons/hot_bit_btn.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "tests/dialog/dialog_fixture.h"
#include "tests/dialog/fake_database_client.h"
#include "toolkit/strings.h"

#include <atomic>
#include <thread>

namespace {

SYSTEMTIME Moment(int hour, int minute, int second) {
    SYSTEMTIME time{};
    time.wYear = 2026;
    time.wMonth = 12;
    time.wDay = 9;
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    return time;
}

TLogFormats TwentyFourHourFormats() {
    TLogFormats formats;
    formats.ShortDatePattern = "yyyy/M/d";
    formats.DateSeparator = "-";
    return formats;
}

}  // namespace

class TConnectionTest : public TDialogTest {
protected:
    TFakeDatabaseClient& UseClient(std::optional<std::string> failure = std::nullopt, DWORD block = 0) {
        auto client = std::make_unique<TFakeDatabaseClient>(FEvents, std::move(failure), block);
        TFakeDatabaseClient& result = *client;
        FDialog->AdoConn->SetClient(std::move(client));
        return result;
    }
    TFrmCorvane& OpenFilledDialog() {
        TFrmCorvane& dialog = OpenDialog();
        dialog.SetClock([] { return Moment(14, 5, 9); });
        dialog.SetLogFormats(TwentyFourHourFormats());
        dialog.RdgConnType->SetItemIndex(1);
        dialog.EditServerName->SetText(" srv ");
        dialog.EditDatabaseName->SetText("db");
        dialog.EditUserName->SetText("sa");
        dialog.EditPassword->SetText(" pw");
        FOnBox = [this](const TMessageBoxRequest& box) { FEvents.push_back("box " + box.Text); };
        return dialog;
    }
    std::vector<std::string> FEvents;
};

TEST_F(TConnectionTest, SuccessIsAnnouncedAfterTheConnectionIsClosed) {
    TFrmCorvane& dialog = OpenFilledDialog();
    TFakeDatabaseClient& client = UseClient();
    bool busyDuringOpen = false;
    client.OnOpen = [&] { busyDuringOpen = dialog.TmpGif->Visible() && !dialog.ImgLogo->Visible(); };
    dialog.BtnTestClick(nullptr);
    std::vector<std::string> expected{"connection string", "timeout 30", "open", "close",
                                      "box " + Ansi(u8"SQL Server 数据库连接成功！")};
    EXPECT_EQ(FEvents, expected);
    EXPECT_TRUE(busyDuringOpen);
    EXPECT_FALSE(dialog.TmpGif->Visible());
    EXPECT_TRUE(dialog.ImgLogo->Visible());
    EXPECT_EQ(FBoxes.back().Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONINFORMATION));
    EXPECT_EQ(WideToUtf8(client.ConnectionString),
              "Provider=SQLOLEDB.1;Password=\" pw\";Persist Security Info=false;User ID=sa;Initial Catalog=db;"
              "Data Source=srv");
    EXPECT_FALSE(FileExists("error.txt"));
}

TEST_F(TConnectionTest, FailureIsShownThenLoggedWithThePrefix) {
    TFrmCorvane& dialog = OpenFilledDialog();
    UseClient("Login failed for user 'sa'.");
    dialog.BtnTestClick(nullptr);
    std::vector<std::string> expected{"connection string", "timeout 30", "open",
                                      "box Login failed for user 'sa'.", "close (nothing open)"};
    EXPECT_EQ(FEvents, expected);
    EXPECT_EQ(FBoxes.back().Caption, Ansi(u8"提示"));
    EXPECT_EQ(FBoxes.back().Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_EQ(ReadFile("error.txt"), "2026-12-9 14:05:09\t" + Ansi(u8"数据库连接设置:") +
                                         "Login failed for user 'sa'.\r\n");
    EXPECT_TRUE(dialog.ImgLogo->Visible());
    EXPECT_FALSE(dialog.TmpGif->Visible());
}

TEST_F(TConnectionTest, IncompleteInputTriesNoConnection) {
    TFrmCorvane& dialog = OpenFilledDialog();
    UseClient();
    dialog.EditDatabaseName->SetText(" ");
    dialog.BtnTestClick(nullptr);
    std::vector<std::string> expected{"box " + Ansi(u8"请输入数据库名称！")};
    EXPECT_EQ(FEvents, expected);
}

TEST_F(TConnectionTest, ThePortTakesPartWhileItsEditorIsHidden) {
    TFrmCorvane& dialog = OpenFilledDialog();
    TFakeDatabaseClient& client = UseClient();
    dialog.EditConnPort->SetText("$59A");
    ASSERT_FALSE(dialog.EditConnPort->Visible());
    dialog.BtnTestClick(nullptr);
    EXPECT_TRUE(WideToUtf8(client.ConnectionString).ends_with("Data Source=srv,1434"));
}

TEST_F(TConnectionTest, LogEntriesAppendAndKeepEarlierLines) {
    TFrmCorvane& dialog = OpenFilledDialog();
    UseClient("first");
    dialog.BtnTestClick(nullptr);
    dialog.SetClock([] { return Moment(0, 0, 0); });  // midnight: the date alone
    UseClient("two\r\nlines");
    dialog.BtnTestClick(nullptr);
    std::string prefix = Ansi(u8"数据库连接设置:");
    EXPECT_EQ(ReadFile("error.txt"),
              "2026-12-9 14:05:09\t" + prefix + "first\r\n2026-12-9\t" + prefix + "two\r\nlines\r\n");
}

TEST_F(TConnectionTest, TwelveHourClockWithTheMarkerBeforeTheTime) {
    TFrmCorvane& dialog = OpenFilledDialog();
    TLogFormats formats = TwentyFourHourFormats();
    formats.TwelveHourClock = true;
    formats.LeadingZeroInHours = false;
    formats.MarkerBeforeTime = true;
    formats.AmText = Ansi(u8"上午");
    formats.PmText = Ansi(u8"下午");
    dialog.SetLogFormats(formats);
    UseClient("x");
    dialog.BtnTestClick(nullptr);
    EXPECT_EQ(ReadFile("error.txt"), "2026-12-9 " + Ansi(u8"下午") + " 2:05:09\t" + Ansi(u8"数据库连接设置:") + "x\r\n");
}

// The log cannot be opened: a folder in its place, or another handle writing to it (code 32).
struct TLogFailure {
    const char* Name;
    std::function<HANDLE(const std::string& path)> Prepare;
    const char* Report;
};

TEST_F(TConnectionTest, ALoggingFailureIsReportedByTheApplication) {
    const TLogFailure cases[] = {
        {"folder", [](const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); return HANDLE(nullptr); },
         "File access denied."},
        {"held open",
         [](const std::string& path) {
             return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
         },
         "I/O error 32."},
    };
    for (const TLogFailure& row : cases) {
        FEvents.clear();
        FBoxes.clear();
        TFrmCorvane& dialog = OpenFilledDialog();
        UseClient("refused");
        HANDLE held = row.Prepare(Path("error.txt"));
        // As from the message loop: the escaping exception reaches the application's report.
        SendMessageW(dialog.BtnTest->Handle(), WM_KEYDOWN, VK_RETURN, 0);
        if (held) CloseHandle(held);
        ASSERT_EQ(FBoxes.size(), 2u) << row.Name;
        EXPECT_EQ(FBoxes[0].Text, "refused") << row.Name;
        EXPECT_EQ(FBoxes[1].Text, row.Report) << row.Name;
        EXPECT_EQ(FBoxes[1].Caption, Ansi(u8"数据库设置")) << row.Name;
        EXPECT_EQ(FBoxes[1].Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONSTOP)) << row.Name;
        // Steps after the logging are skipped: no close, no success message.
        std::vector<std::string> expected{"connection string", "timeout 30", "open", "box refused",
                                          "box " + std::string(row.Report)};
        EXPECT_EQ(FEvents, expected) << row.Name;
        FDialog.reset();
        RemoveDirectoryA(Path("error.txt").c_str());
        DeleteFileA(Path("error.txt").c_str());
    }
}

TEST_F(TConnectionTest, TheRealClientFailsUnderWineAndTheFailureIsLogged) {
    TFrmCorvane& dialog = OpenFilledDialog();
    dialog.BtnTestClick(nullptr);
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_FALSE(FBoxes[0].Text.empty());
    EXPECT_EQ(FBoxes[0].Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONERROR));
    std::string log = ReadFile("error.txt");
    EXPECT_EQ(log, "2026-12-9 14:05:09\t" + Ansi(u8"数据库连接设置:") + FBoxes[0].Text + "\r\n");
}

TEST_F(TConnectionTest, AnEmptyMessageLogsTheTimeStampAndTheTab) {
    TFrmCorvane& dialog = OpenFilledDialog();
    dialog.SetClock([] { return Moment(0, 0, 0); });
    UseClient("");
    dialog.BtnTestClick(nullptr);
    EXPECT_EQ(ReadFile("error.txt"), "2026-12-9\t" + Ansi(u8"数据库连接设置:") + "\r\n");
}

// The time stamp follows the user's locale again once the system announces a settings change.
TEST_F(TConnectionTest, ASettingsChangeRereadsTheLocaleFormats) {
    TFrmCorvane& dialog = OpenFilledDialog();
    SendMessageW(dialog.Handle(), WM_SETTINGCHANGE, 0, 0);
    UseClient("x");
    dialog.BtnTestClick(nullptr);
    char date[64] = {}, time[64] = {};
    SYSTEMTIME moment = Moment(14, 5, 9);
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &moment, nullptr, time, sizeof time);
    EXPECT_EQ(ReadFile("error.txt"), std::string(date) + " " + time + "\t" + Ansi(u8"数据库连接设置:") + "x\r\n");
}

namespace {
// A fingerprint of the pixels in a rectangle of the window, as the window's device context holds them.
std::uint64_t Fingerprint(HWND window, const TRect& rect) {
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), rect.Width(), -rect.Height(), 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, rect.Width(), rect.Height(), dc, rect.Left, rect.Top, SRCCOPY);
    GdiFlush();
    std::uint64_t hash = 1469598103934665603ull;
    auto pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < rect.Width() * rect.Height(); ++i) hash = (hash ^ pixels[i]) * 1099511628211ull;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return hash;
}
}  // namespace

// While the open blocks this thread for three seconds, the busy animation in the logo's place
// keeps turning: its pixels change every 100 ms or so, painted from the animation's own thread.
TEST_F(TConnectionTest, TheBusyAnimationTurnsWhileTheOpenBlocks) {
    TFrmCorvane& dialog = OpenFilledDialog();
    TFakeDatabaseClient& client = UseClient(std::nullopt, 3000);
    std::atomic<bool> sampling{false};
    std::atomic<int> changes{0};
    std::thread sampler;
    client.OnOpen = [&] {
        sampling = true;
        sampler = std::thread([&, window = dialog.Handle(), rect = dialog.TmpGif->BoundsRect()] {
            std::uint64_t last = Fingerprint(window, rect);
            while (sampling) {
                Sleep(20);
                std::uint64_t now = Fingerprint(window, rect);
                if (now != last) ++changes;
                last = now;
            }
        });
    };
    dialog.BtnTestClick(nullptr);
    sampling = false;
    sampler.join();
    // About 20-30 changes are seen here; allow for a slow machine, not for a standing picture.
    EXPECT_GE(changes.load(), 12) << "frames seen changing during the three-second open";
    EXPECT_FALSE(dialog.TmpGif->Visible());
    EXPECT_TRUE(dialog.ImgLogo->Visible());
}
