#include "bench/animation/bench_support.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/exceptions.h"

namespace {

std::vector<std::uint8_t> BusyGif() {
    std::ifstream file(std::string(DBSETUP_SOURCE_DIR) + "/resources/busy.gif", std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (bytes.empty()) throw Exception("resources/busy.gif not found");
    return bytes;
}

double Milliseconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10000.0;
}

}  // namespace

TBusyForm::TBusyForm(bool withAnimator) : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetClientSize(425, 290);
    if (withAnimator) {
        Busy = new TGIFAnimator(Form.get());
        Busy->SetParent(Form.get());
        Busy->SetBounds(30, 21, 32, 32);
        Busy->SetAsyncDrawing(true);
        Busy->SetAnimate(true);
        Busy->LoadImage(BusyGif());
        Busy->SetStretch(true);
    }
    Form->ShowForm();
}

void RunMessageLoopFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
        Application->ProcessMessages();
    }
}

double ProcessorMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return Milliseconds(kernel) + Milliseconds(user);
}
