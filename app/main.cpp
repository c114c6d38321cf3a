// Start-up: the application with its title, the one dialog, the message loop.
#include <windows.h>

#include "app/connection_dialog.h"
#include "app/logic/dialog_texts.h"
#include "toolkit/application.h"
#include "toolkit/strings.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A blocked connection attempt must not be replaced by a frozen "not responding" copy of
    // the window: the busy animation is painted into the real one.
    DisableProcessWindowsGhosting();
    TApplication application;
    application.Initialize();
    application.SetTitle(Utf8ToAnsi(DialogTexts::ApplicationTitle));
    RegisterDialogClasses();
    try {
        auto* dialog = new TFrmCorvane(nullptr);
        application.SetMainForm(dialog);
        application.Run();
        delete dialog;
    } catch (const std::exception& error) {
        application.ShowException(error);
        return 1;
    }
    return 0;
}
