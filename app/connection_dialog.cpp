#include "app/connection_dialog.h"

#include <map>

#include "controls/animation/gif_animator.h"
#include "controls/buttons/hot_bit_btn.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "app/locale_formats.h"
#include "toolkit/exceptions.h"
#include "toolkit/form_loader.h"

namespace {

std::string ExecutableDirectory() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    std::size_t end = full.find_last_of("\\:");
    return end == std::string::npos ? std::string() : full.substr(0, end + 1);
}

SYSTEMTIME LocalClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

}  // namespace

// What the dialog's layout needs from the dialog: its pictures and its handlers, by name.
class TFrmCorvane::TLayout : public TLayoutContext {
public:
    explicit TLayout(TFrmCorvane& form) {
        using namespace std::placeholders;
        FNotify = {
            {"BtnSaveClick", std::bind(&TFrmCorvane::BtnSaveClick, &form, _1)},
            {"FormCreate", std::bind(&TFrmCorvane::FormCreate, &form, _1)},
            {"BtnTestClick", std::bind(&TFrmCorvane::BtnTestClick, &form, _1)},
            {"btnCloseClick", std::bind(&TFrmCorvane::btnCloseClick, &form, _1)},
            {"FormClick", std::bind(&TFrmCorvane::FormClick, &form, _1)},
            {"RdgConnTypePropertiesChange", std::bind(&TFrmCorvane::RdgConnTypePropertiesChange, &form, _1)},
            {"ImgLogoClick", std::bind(&TFrmCorvane::ImgLogoClick, &form, _1)},
        };
        FKeyPress = {
            {"EditServerNameKeyPress", std::bind(&TFrmCorvane::EditServerNameKeyPress, &form, _1, _2)},
            {"EditDatabaseNameKeyPress", std::bind(&TFrmCorvane::EditDatabaseNameKeyPress, &form, _1, _2)},
            {"EditUserNameKeyPress", std::bind(&TFrmCorvane::EditUserNameKeyPress, &form, _1, _2)},
            {"EditPasswordKeyPress", std::bind(&TFrmCorvane::EditPasswordKeyPress, &form, _1, _2)},
        };
    }

    std::vector<std::uint8_t> Resource(const std::string& name) const override { return LoadResourceData(name); }
    TNotifyEvent NotifyHandler(const std::string& name) const override { return Find(FNotify, name); }
    TKeyPressEvent KeyPressHandler(const std::string& name) const override { return Find(FKeyPress, name); }

private:
    template <class Event>
    static Event Find(const std::map<std::string, Event>& handlers, const std::string& name) {
        auto found = handlers.find(name);
        if (found == handlers.end()) throw Exception("Layout names an unknown handler " + name);
        return found->second;
    }

    std::map<std::string, TNotifyEvent> FNotify;
    std::map<std::string, TKeyPressEvent> FKeyPress;
};

void RegisterDialogClasses() {
    RegisterComponentClass<TBevel>("TBevel");
    RegisterComponentClass<TLabel>("TLabel");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<THotBitBtn>("THotBitBtn");
    RegisterComponentClass<TTextEdit>("TTextEdit");
    RegisterComponentClass<TRadioGroup>("TRadioGroup");
    RegisterComponentClass<TADOConnection>("TADOConnection");
    RegisterAnimationClasses();
}

TFrmCorvane::TFrmCorvane(TComponent* owner, std::string directory)
    : TForm(owner),
      FDirectory(directory.empty() ? ExecutableDirectory() : std::move(directory)),
      FClock(LocalClock),
      FLogFormats(ReadLocaleLogFormats(GetThreadLocale())) {
    TLayout layout(*this);
    LoadForm(*this, ReadLayout(LoadResourceText("DIALOG_LAYOUT")), layout);
    BindComponents();
    DoCreate();
}

namespace {
template <class T>
void Bind(TForm& form, T*& field, const char* name) {
    field = dynamic_cast<T*>(form.FindComponent(name));
    if (!field) throw Exception(std::string("The dialog's layout has no ") + name);
}
}  // namespace

void TFrmCorvane::BindComponents() {
    Bind(*this, Bevel1, "Bevel1");
    Bind(*this, btnClose, "btnClose");
    Bind(*this, BtnSave, "BtnSave");
    Bind(*this, Bevel2, "Bevel2");
    Bind(*this, BtnTest, "BtnTest");
    Bind(*this, Label1, "Label1");
    Bind(*this, EditServerName, "EditServerName");
    Bind(*this, Label2, "Label2");
    Bind(*this, EditDatabaseName, "EditDatabaseName");
    Bind(*this, Label3, "Label3");
    Bind(*this, EditUserName, "EditUserName");
    Bind(*this, Label4, "Label4");
    Bind(*this, EditPassword, "EditPassword");
    Bind(*this, AdoConn, "AdoConn");
    Bind(*this, RdgConnType, "RdgConnType");
    Bind(*this, Label5, "Label5");
    Bind(*this, Bevel3, "Bevel3");
    Bind(*this, TmpGif, "TmpGif");
    Bind(*this, ImgLogo, "ImgLogo");
    Bind(*this, EditConnPort, "EditConnPort");
}

std::string TFrmCorvane::SettingsPath(const std::string& fileName) const { return FDirectory + fileName; }

LRESULT TFrmCorvane::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The log's time stamp follows the user's locale when it changes while the program runs.
    if (message == WM_SETTINGCHANGE) FLogFormats = ReadLocaleLogFormats(LOCALE_USER_DEFAULT);
    return TForm::WndProc(message, wParam, lParam);
}

// Enter moves on exactly as Tab does, from the form's focused control; the key itself stays,
// so the editor still passes it to its edit control.
void TFrmCorvane::EnterMovesFocus(char key) {
    if (key == '\r') SelectNext(ActiveControl(), true, true);
}

void TFrmCorvane::EditServerNameKeyPress(TComponent*, char& key) { EnterMovesFocus(key); }
void TFrmCorvane::EditDatabaseNameKeyPress(TComponent*, char& key) { EnterMovesFocus(key); }
void TFrmCorvane::EditUserNameKeyPress(TComponent*, char& key) { EnterMovesFocus(key); }
void TFrmCorvane::EditPasswordKeyPress(TComponent*, char& key) { EnterMovesFocus(key); }

void TFrmCorvane::FormClick(TComponent*) {}

void TFrmCorvane::RdgConnTypePropertiesChange(TComponent*) {
    EditPassword->SetEnabled(RdgConnType->ItemIndex() == 1);
    EditUserName->SetEnabled(RdgConnType->ItemIndex() == 1);
}

void TFrmCorvane::ImgLogoClick(TComponent*) { EditConnPort->SetVisible(!EditConnPort->Visible()); }

void TFrmCorvane::btnCloseClick(TComponent*) { Close(); }
