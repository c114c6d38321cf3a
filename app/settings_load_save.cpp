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
    using namespace SettingNames;
    auto read = [this](std::string_view key, const TSettingsValue& fallback) {
        return ReadSetting("", kSection, std::string(key), fallback);
    };
    // A failing key ends the load silently: earlier controls keep what was read, later ones
    // keep their designed values.
    try {
        FCipherKey = std::string(CipherKey);
        EditServerName->SetText(SettingsValueText(read(ServerKey, std::string())));
        EditUserName->SetText(SettingsValueText(read(UserKey, std::string(DefaultUser))));
        EditDatabaseName->SetText(SettingsValueText(read(DatabaseKey, std::string())));
        EditConnPort->SetText(SettingsValueText(read(PortKey, std::string())));
        std::string cipherText = SettingsValueText(read(PasswordKey, std::string()));
        EditPassword->SetText(DecryptFromHex(cipherText, FCipherKey));
        std::int32_t connType = ConnTypeNumber(read(ConnTypeKey, DefaultConnType));
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
    using namespace SettingNames;
    auto write = [this](std::string_view key, const TSettingsValue& value) {
        WriteSetting("", kSection, std::string(key), value);
    };
    try {
        write(ServerKey, EditServerName->Text());
        write(UserKey, EditUserName->Text());
        write(DatabaseKey, EditDatabaseName->Text());
        write(PortKey, StoredPortText(EditConnPort->Text()));
        write(PasswordKey, EncryptToHex(EditPassword->Text(), FCipherKey));
        write(ConnTypeKey, static_cast<std::int32_t>(RdgConnType->ItemIndex() + 1));
        Close();
    } catch (const Exception& error) {
        ShowMessageBox(error.Message(), Utf8ToAnsi(DialogTexts::MessageCaption), MB_ICONERROR);
        WriteErrorLog(error.Message());
    }
}
