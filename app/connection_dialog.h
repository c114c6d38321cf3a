#pragma once
// The connection settings dialog "连接到SQL Server": its controls come from the layout compiled
// into the program; its handlers load and save Setting.ini, test the connection and log
// failures to error.txt, both files beside the executable.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/database_client.h"
#include "app/logic/log_formats.h"
#include "app/settings_value.h"
#include "toolkit/bevel.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"

class TTextEdit;
class TRadioGroup;
class THotBitBtn;
class TGIFAnimator;

class TFrmCorvane : public TForm {
public:
    // directory: where Setting.ini and error.txt lie, ending in "\"; empty means the
    // executable's own directory.
    explicit TFrmCorvane(TComponent* owner, std::string directory = {});

    // The components, as the layout names them.
    TBevel* Bevel1 = nullptr;
    THotBitBtn* btnClose = nullptr;
    THotBitBtn* BtnSave = nullptr;
    TBevel* Bevel2 = nullptr;
    THotBitBtn* BtnTest = nullptr;
    TLabel* Label1 = nullptr;
    TTextEdit* EditServerName = nullptr;
    TLabel* Label2 = nullptr;
    TTextEdit* EditDatabaseName = nullptr;
    TLabel* Label3 = nullptr;
    TTextEdit* EditUserName = nullptr;
    TLabel* Label4 = nullptr;
    TTextEdit* EditPassword = nullptr;
    TADOConnection* AdoConn = nullptr;
    TRadioGroup* RdgConnType = nullptr;
    TLabel* Label5 = nullptr;
    TBevel* Bevel3 = nullptr;
    TGIFAnimator* TmpGif = nullptr;
    TImage* ImgLogo = nullptr;
    TTextEdit* EditConnPort = nullptr;

    // Event handlers, bound by name from the layout.
    void BtnSaveClick(TComponent* sender);
    void FormCreate(TComponent* sender);
    void BtnTestClick(TComponent* sender);
    void btnCloseClick(TComponent* sender);
    void EditServerNameKeyPress(TComponent* sender, char& key);
    void EditDatabaseNameKeyPress(TComponent* sender, char& key);
    void EditUserNameKeyPress(TComponent* sender, char& key);
    void EditPasswordKeyPress(TComponent* sender, char& key);
    void FormClick(TComponent* sender);
    void RdgConnTypePropertiesChange(TComponent* sender);
    void ImgLogoClick(TComponent* sender);

    // Test seams: the clock and the locale formats of the error log.
    void SetClock(std::function<SYSTEMTIME()> clock) { FClock = std::move(clock); }
    void SetLogFormats(TLogFormats formats) { FLogFormats = std::move(formats); }
    const std::string& Directory() const { return FDirectory; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class TLayout;

    bool WriteSetting(const std::string& fileName, const std::string& section, const std::string& key,
                      const TSettingsValue& value);
    TSettingsValue ReadSetting(const std::string& fileName, const std::string& section, const std::string& key,
                               const TSettingsValue& defaultValue);
    bool TryConnect();
    void WriteErrorLog(const std::string& message);
    bool CheckInput();

    void EnterMovesFocus(char key);
    std::string SettingsPath(const std::string& fileName) const;
    std::int32_t ConnTypeNumber(const TSettingsValue& value) const;
    void BindComponents();

    std::string FCipherKey;
    std::string FDirectory;
    std::function<SYSTEMTIME()> FClock;
    TLogFormats FLogFormats;
};

// Makes every class the dialog's layout names known to the form reader.
void RegisterDialogClasses();
