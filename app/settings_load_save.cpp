// Moving the settings between Setting.ini and the dialog: load on creation, check, save.
#include <windows.h>
#include <oleauto.h>

#include "app/connection_dialog.h"
#include "app/logic/conn_type.h"
#include "app/logic/dialog_texts.h"
#include "app/logic/port_setting.h"
#include "app/logic/trim_text.h"
#include "cipher/DES.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "toolkit/exceptions.h"
#include "toolkit/message_box.h"
#include "toolkit/strings.h"

namespace {

const std::string kSection(SettingNames::Section);

}  // namespace

// A stored text converts as the platform's variant conversion does: the automation library
// for the user's locale, then a whole number, then the truth words.
std::int32_t TFrmCorvane::ConnTypeNumber(const TSettingsValue& value) const {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    std::string text = SettingsValueText(value);
    std::wstring wide = AnsiToWide(text);
    LONG converted = 0;
    HRESULT result = VarI4FromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &converted);
    if (SUCCEEDED(result)) return converted;
    if (result == DISP_E_TYPEMISMATCH)
        if (auto fallback = ConvertConnTypeFallback(text)) return *fallback;
    throw Exception("Could not convert variant of type (String) into type (Integer)");
}

void TFrmCorvane::FormCreate(TComponent*) {
    // A failing key ends the load silently: earlier controls keep what was read, later ones
    // keep their designed values.
    try {
        FCipherKey = std::string(SettingNames::CipherKey);
        EditServerName->SetText(SettingsValueText(ReadSetting("", kSection, "DBServer", std::string())));
        EditUserName->SetText(SettingsValueText(ReadSetting("", kSection, "DBUser", std::string(SettingNames::DefaultUser))));
        EditDatabaseName->SetText(SettingsValueText(ReadSetting("", kSection, "DBName", std::string())));
        EditConnPort->SetText(SettingsValueText(ReadSetting("", kSection, "ConnPort", std::string())));
        std::string cipherText = SettingsValueText(ReadSetting("", kSection, "DBPsw", std::string()));
        EditPassword->SetText(DecryptFromHex(cipherText, FCipherKey));
        std::int32_t connType = ConnTypeNumber(ReadSetting("", kSection, "ConnType", SettingNames::DefaultConnType));
        RdgConnType->SetItemIndex(ItemIndexForConnType(connType));
    } catch (...) {
    }
}

bool TFrmCorvane::CheckInput() {
    struct TRequirement {
        bool Missing;
        std::u8string_view Message;
        TTextEdit* Editor;
    };
    const TRequirement requirements[] = {
        {TrimText(EditServerName->Text()).empty(), DialogTexts::ServerNameMissing, EditServerName},
        {TrimText(EditDatabaseName->Text()).empty(), DialogTexts::DatabaseNameMissing, EditDatabaseName},
        {RdgConnType->ItemIndex() == 1 && TrimText(EditUserName->Text()).empty(), DialogTexts::UserNameMissing,
         EditUserName},
    };
    for (const TRequirement& requirement : requirements) {
        if (!requirement.Missing) continue;
        ShowMessageBox(Utf8ToAnsi(requirement.Message), Utf8ToAnsi(DialogTexts::MessageCaption), MB_ICONINFORMATION);
        requirement.Editor->SetFocus();
        return false;
    }
    return true;
}

void TFrmCorvane::BtnSaveClick(TComponent*) {
    if (!CheckInput()) return;
    try {
        WriteSetting("", kSection, "DBServer", EditServerName->Text());
        WriteSetting("", kSection, "DBUser", EditUserName->Text());
        WriteSetting("", kSection, "DBName", EditDatabaseName->Text());
        WriteSetting("", kSection, "ConnPort", StoredPortText(EditConnPort->Text()));
        WriteSetting("", kSection, "DBPsw", EncryptToHex(EditPassword->Text(), FCipherKey));
        WriteSetting("", kSection, "ConnType", static_cast<std::int32_t>(RdgConnType->ItemIndex() + 1));
        Close();
    } catch (const Exception& error) {
        ShowMessageBox(error.Message(), Utf8ToAnsi(DialogTexts::MessageCaption), MB_ICONERROR);
        WriteErrorLog(error.Message());
    }
}
