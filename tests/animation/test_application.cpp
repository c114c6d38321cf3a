#include "tests/animation/test_application.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "toolkit/application.h"
#include "toolkit/message_box.h"

namespace {

std::atomic<int> boxesShown{0};

class TTestApplication : public ::testing::Environment {
public:
    void SetUp() override {
        FApplication = std::make_unique<TApplication>();
        FApplication->Initialize();
        SetMessageBoxHandler([](const TMessageBoxRequest&) {
            ++boxesShown;
            return IDOK;
        });
    }
    void TearDown() override {
        SetMessageBoxHandler({});
        FApplication.reset();
    }

private:
    std::unique_ptr<TApplication> FApplication;
};

[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new TTestApplication);

}  // namespace

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        Application->ProcessMessages();
        if (done()) return true;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= static_cast<DWORD>(timeoutMs)) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(10, timeoutMs - elapsed), QS_ALLINPUT);
    }
}

void PumpFor(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

int MessageBoxesShown() { return boxesShown; }
