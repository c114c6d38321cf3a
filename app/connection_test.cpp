// The Test command: one connection opened and closed through the database client while the
// busy animation takes the logo's place.
#include "app/connection_dialog.h"
#include "app/logic/connection_string.h"
#include "app/logic/dialog_texts.h"
#include "controls/animation/gif_animator.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"
#include "toolkit/message_box.h"
#include "toolkit/strings.h"

namespace {
constexpr int kCommandTimeoutSeconds = 30;
}

void TFrmCorvane::BtnTestClick(TComponent*) {
    if (!CheckInput()) return;
    if (!TryConnect()) return;
    ShowMessageBox(Utf8ToAnsi(DialogTexts::ConnectionSucceeded), Utf8ToAnsi(DialogTexts::MessageCaption),
                   MB_ICONINFORMATION);
}

bool TFrmCorvane::TryConnect() {
    bool result = true;
    TDatabaseClient* client = nullptr;
    auto showLogo = [this] {
        TmpGif->Hide();
        ImgLogo->Show();
    };
    try {
        client = &AdoConn->Client();
        TConnectionInputs inputs{EditServerName->Text(), EditUserName->Text(), EditDatabaseName->Text(),
                                 EditPassword->Text(), EditConnPort->Text(), RdgConnType->ItemIndex()};
        client->SetConnectionString(AnsiToWide(ComposeConnectionString(inputs)));
        client->SetCommandTimeout(kCommandTimeoutSeconds);
        ImgLogo->Hide();
        TmpGif->Show();
        // Once, so the exchange of pictures is painted before the open blocks this thread.
        Application->ProcessMessages();
        try {
            client->Open();
        } catch (...) {
            showLogo();
            throw;
        }
        showLogo();
    } catch (const Exception& error) {
        showLogo();
        ShowMessageBox(error.Message(), Utf8ToAnsi(DialogTexts::MessageCaption), MB_ICONERROR);
        WriteErrorLog(Utf8ToAnsi(DialogTexts::ConnectionLogPrefix) + error.Message());
        result = false;
    }
    if (client) client->Close();
    return result;
}
