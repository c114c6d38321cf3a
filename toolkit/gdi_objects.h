#pragma once
// Counted ownership of GDI objects. Every font, brush, pen, bitmap, region and device context the
// program creates goes through these owners, so tests and soaks can check that none is left
// behind (Wine's GetGuiResources is a stub, so the platform cannot tell us).
#include <windows.h>

#include <utility>

// Created and not yet freed, all kinds together. Safe from any thread.
int LiveGdiObjects();

namespace gdi_detail {
void Counted(int delta);
void DeleteCounted(HGDIOBJ object);  // reports a failed delete on stderr
}  // namespace gdi_detail

template <class Handle>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(Handle handle) : FHandle(handle) {
        if (FHandle) gdi_detail::Counted(+1);
    }
    TGdiObject(TGdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.FHandle, nullptr), false);
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    ~TGdiObject() { Reset(); }

    Handle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }

    void Reset(Handle handle = nullptr) { Reset(handle, true); }

    // Ownership passes to the platform (a window region given to SetWindowRgn).
    Handle ReleaseToSystem() {
        if (FHandle) gdi_detail::Counted(-1);
        return std::exchange(FHandle, nullptr);
    }

private:
    void Reset(Handle handle, bool countNew) {
        if (FHandle) gdi_detail::DeleteCounted(FHandle);
        FHandle = handle;
        if (FHandle && countNew) gdi_detail::Counted(+1);
    }

    Handle FHandle = nullptr;
};

using TFontObject = TGdiObject<HFONT>;
using TBrushObject = TGdiObject<HBRUSH>;
using TPenObject = TGdiObject<HPEN>;
using TBitmapObject = TGdiObject<HBITMAP>;
using TRegionObject = TGdiObject<HRGN>;

// A 32-bit top-down device-independent bitmap (pixels 0x00RRGGBB), null when refused. Paint
// buffers are made this way rather than compatible with the screen: that asks the display
// driver, which under Wine costs requests to the window server for every bitmap and selection.
TBitmapObject NewDibSection(int width, int height, void** bits = nullptr);

// A memory device context (CreateCompatibleDC / DeleteDC). Declare it after the bitmaps selected
// into it, so that it goes first and the bitmaps are free to be deleted.
class TMemoryDC {
public:
    explicit TMemoryDC(HDC compatibleWith = nullptr);
    ~TMemoryDC();
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HDC FDC;
};

// A window's device context (GetDC / ReleaseDC); a null window gives the screen's.
class TWindowDC {
public:
    explicit TWindowDC(HWND window);
    ~TWindowDC();
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};
