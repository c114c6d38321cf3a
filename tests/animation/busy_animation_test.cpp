// The real thing: the busy indicator shown on a form keeps turning on the screen while the
// user-interface thread is blocked, painted by the timer's worker alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "controls/animation/gif_animator.h"
#include "tests/animation/test_application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

namespace {

std::vector<std::uint8_t> BusyGif() {
    std::ifstream file(std::string(DBSETUP_SOURCE_DIR) + "/resources/busy.gif", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The pixels of a rectangle of a window's client area, or of the screen for a null window.
std::vector<std::uint32_t> PixelsShown(HWND window, const RECT& area) {
    TBitmap copy;
    copy.SetSize(area.right - area.left, area.bottom - area.top);
    HDC source = GetDC(window);
    BitBlt(copy.Canvas().Handle(), 0, 0, copy.Width(), copy.Height(), source, area.left, area.top, SRCCOPY);
    ReleaseDC(window, source);
    GdiFlush();
    const std::uint32_t* bits = copy.Bits();
    std::vector<std::uint32_t> pixels(bits, bits + static_cast<std::size_t>(copy.Width()) * copy.Height());
    for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFFu;
    return pixels;
}

struct TSamples {
    int Changes = 0;
    std::set<std::vector<std::uint32_t>> Distinct;
    std::vector<std::uint32_t> Last;

    void Add(std::vector<std::uint32_t> pixels) {
        if (!Last.empty() && pixels != Last) ++Changes;
        Distinct.insert(pixels);
        Last = std::move(pixels);
    }
};

TEST(BusyAnimation, TurnsWhileTheInterfaceThreadIsBlocked) {
    std::vector<std::uint8_t> gif = BusyGif();
    ASSERT_FALSE(gif.empty()) << "resources/busy.gif not found";
    TForm form(nullptr);
    form.SetClientSize(200, 100);
    auto* busy = new TGIFAnimator(&form);
    busy->SetParent(&form);
    busy->SetBounds(30, 21, 32, 32);
    busy->SetAsyncDrawing(true);
    busy->SetAnimate(true);
    busy->LoadImage(gif);
    busy->SetStretch(true);
    form.ShowForm();
    PumpFor(1500);  // painted once, and the worker's first wait of 1000 ms is over

    const RECT inWindow{30, 21, 62, 53};
    POINT origin{30, 21};
    ClientToScreen(form.Handle(), &origin);
    const RECT onScreen{origin.x, origin.y, origin.x + 32, origin.y + 32};
    std::atomic<bool> done{false};
    TSamples window;
    TSamples screen;
    std::thread sampler([&] {
        while (!done) {
            window.Add(PixelsShown(form.Handle(), inWindow));
            screen.Add(PixelsShown(nullptr, onScreen));
            Sleep(20);
        }
    });
    Sleep(3000);  // the user-interface thread is blocked, as in a connection attempt
    done = true;
    sampler.join();
    EXPECT_GE(window.Changes, 20) << "a new frame in the window about every 100 ms";
    EXPECT_GE(window.Distinct.size(), 10u) << "most of the twelve frames were painted";
    // Wine's X11 driver passes a window's pixels on to the display only once its previous
    // transfer has completed, so with nothing else drawing the screen shows every second frame.
    EXPECT_GE(screen.Changes, 8) << "and the frames reach the screen";
}

}  // namespace
