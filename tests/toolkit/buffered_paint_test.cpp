// Painting reaches the screen in one buffered copy: a control's erase and paint go to an
// off-screen buffer first, so what the window shows midway through a paint is still the last
// finished picture, never an erased background or a half-painted face.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/gdi_objects.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

// Paints red, looks at the screen, then paints blue over it.
class TFlickerProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    COLORREF SeenMidway = CLR_INVALID;

protected:
    void Paint(TCanvas& canvas) override {
        canvas.FillRect(ClientRect(), kRed);
        TWindowDC screen(Handle());
        SeenMidway = GetPixel(screen.Get(), 5, 5);
        canvas.FillRect(ClientRect(), kBlue);
    }
};

}  // namespace

TEST(BufferedPaintTest, NoIntermediateStateReachesTheScreen) {
    TApplication application;
    application.Initialize();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(100, 80);
    auto probe = new TFlickerProbe(form.get());
    probe->SetBounds(10, 10, 40, 30);
    probe->SetColor(MakeRGB(0, 255, 0));  // what an erase paints
    probe->SetParent(form.get());
    form->ShowForm();
    application.ProcessMessages();
    UpdateWindow(probe->Handle());

    const int start = LiveGdiObjects();
    for (UINT erase : {0u, static_cast<UINT>(RDW_ERASE)}) {
        RedrawWindow(probe->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | erase);
        EXPECT_EQ(probe->SeenMidway, kBlue) << "the screen midway through a paint, erase " << erase;
        TWindowDC screen(probe->Handle());
        EXPECT_EQ(GetPixel(screen.Get(), 5, 5), kBlue);
    }
    // Erasing alone paints nothing on the screen: the paint does it in its buffer.
    TWindowDC screen(probe->Handle());
    SendMessageW(probe->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen.Get()), 0);
    EXPECT_NE(GetPixel(screen.Get(), 5, 5), kGreen);
    EXPECT_EQ(LiveGdiObjects(), start + 1);  // the screen context held here
}
