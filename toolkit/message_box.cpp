#include "toolkit/message_box.h"

#include <windows.h>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/strings.h"

namespace {

TMessageBoxHandler& Handler() {
    static TMessageBoxHandler handler;
    return handler;
}

int PlatformMessageBox(const TMessageBoxRequest& request) {
    HWND owner = nullptr;
    if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
        owner = Application->MainForm()->Handle();
    return MessageBoxW(owner, AnsiToWide(request.Text).c_str(), AnsiToWide(request.Caption).c_str(),
                       request.Flags | MB_OK);
}

}  // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    TMessageBoxRequest request{text, caption, flags};
    return Handler() ? Handler()(request) : PlatformMessageBox(request);
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
    TMessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
