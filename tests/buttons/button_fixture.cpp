#include "tests/buttons/button_fixture.h"

#include <cstdio>

#include "toolkit/bitmap.h"
#include "toolkit/color.h"
#include "toolkit/message_box.h"

std::uint32_t Pixel(TColor color) {
    COLORREF rgb = ColorToRGB(color);
    return (std::uint32_t{GetRValue(rgb)} << 16) | (std::uint32_t{GetGValue(rgb)} << 8) | GetBValue(rgb);
}

std::string Hex(std::uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(pixel));
    return text;
}

void TButtonTest::SetUp() {
    FApplication = std::make_unique<TApplication>();
    FApplication->Initialize();
    // An exception escaping a handler is reported in a box: answered here, never shown.
    SetMessageBoxHandler([](const TMessageBoxRequest&) { return IDOK; });
    FForm = std::make_unique<TForm>(nullptr);
    FForm->SetCaption(L"buttons");
    FForm->SetClientSize(330, 120);
    FBox = new TFocusBox(FForm.get());
    FBox->SetName("Box");
    FBox->SetBounds(250, 80, 20, 20);
    FBox->SetTabOrder(9);
    FBox->SetParent(FForm.get());
    FButton = &AddButton("Button", 20, 20);
    FForm->ShowForm();
    FBox->SetFocus();  // no button starts with the focus
    PointerAway();
    Pump();
}

bool TButtonTest::PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        FApplication->ProcessMessages();
    }
    return true;
}

void TButtonTest::TearDown() {
    SetMessageBoxHandler({});
    FForm.reset();
    FApplication.reset();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

THotBitBtn& TButtonTest::AddButton(const std::string& name, int left, int top) {
    auto* button = new THotBitBtn(FForm.get());
    button->SetName(name);
    button->SetParent(FForm.get());
    button->SetBounds(left, top, 89, 33);
    button->SetCaption(L"保存");
    button->SetColor(clWhite);
    button->SetHotTrack(true);
    button->SetHotTrackColor(3983359);
    button->SetHighlightColor(16026986);
    button->SetLightTextStyle(true);
    button->SetNumGlyphs(2);
    button->Font().SetColor(clNone);
    button->SetTabOrder(static_cast<int>(FForm->Controls().size()));
    button->OnClick = [this, name](TComponent*) { ++FClicks[name]; };
    return *button;
}

void TButtonTest::Pump() {
    for (int i = 0; i < 3; ++i) FApplication->ProcessMessages();
}

TButtonPixels TButtonTest::Paint(THotBitBtn& button) {
    TBitmap target;
    target.SetSize(button.Width(), button.Height());
    SendMessageW(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), PRF_CLIENT);
    GdiFlush();
    TButtonPixels pixels{target.Width(), target.Height(), {}};
    for (int i = 0; i < target.Width() * target.Height(); ++i) pixels.Words.push_back(target.Bits()[i] & 0xFFFFFF);
    return pixels;
}

void TButtonTest::PointerOver(THotBitBtn& button) {
    POINT centre{button.Width() / 2, button.Height() / 2};
    ClientToScreen(button.Handle(), &centre);
    SetCursorPos(centre.x, centre.y);
    SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(button.Width() / 2, button.Height() / 2));
}

void TButtonTest::PointerAway() {
    RECT form{};
    GetWindowRect(FForm->Handle(), &form);
    SetCursorPos(form.right + 50, form.bottom + 50);
}
