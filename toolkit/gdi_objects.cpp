#include "toolkit/gdi_objects.h"

#include <atomic>
#include <cstdio>

namespace {
// Worker threads paint too (the busy animation), so the count is atomic.
std::atomic<int> liveObjects{0};
}  // namespace

int LiveGdiObjects() { return liveObjects.load(); }

namespace gdi_detail {

void Counted(int delta) { liveObjects.fetch_add(delta); }

void DeleteCounted(HGDIOBJ object) {
    Counted(-1);
    if (!DeleteObject(object)) std::fprintf(stderr, "GDI: DeleteObject(%p) failed\n", object);
}

}  // namespace gdi_detail

TBitmapObject NewDibSection(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    TBitmapObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bits) *bits = pixels;
    return bitmap;
}

TMemoryDC::TMemoryDC(HDC compatibleWith) : FDC(CreateCompatibleDC(compatibleWith)) {
    if (FDC) gdi_detail::Counted(+1);
}

TMemoryDC::~TMemoryDC() {
    if (!FDC) return;
    gdi_detail::Counted(-1);
    if (!DeleteDC(FDC)) std::fprintf(stderr, "GDI: DeleteDC(%p) failed\n", static_cast<void*>(FDC));
}

TWindowDC::TWindowDC(HWND window) : FWindow(window), FDC(GetDC(window)) {
    if (FDC) gdi_detail::Counted(+1);
}

TWindowDC::~TWindowDC() {
    if (!FDC) return;
    gdi_detail::Counted(-1);
    if (!ReleaseDC(FWindow, FDC)) std::fprintf(stderr, "GDI: ReleaseDC(%p) failed\n", static_cast<void*>(FDC));
}
