#include "tests/editors/editor_pixels.h"

#include "toolkit/gdi_objects.h"

TPixels PrintedPixels(TWinControl& control) {
    TBitmap surface;
    surface.SetSize(control.Width(), control.Height());
    SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Canvas().Handle()), PRF_CLIENT);
    return PixelsOf(surface);
}

RECT WindowRegionBox(HWND window) {
    TRegionObject region(CreateRectRgn(0, 0, 0, 0));
    RECT box{0, 0, 0, 0};
    if (GetWindowRgn(window, region.Get()) != ERROR) GetRgnBox(region.Get(), &box);
    return box;
}
