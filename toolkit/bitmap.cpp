#include "toolkit/bitmap.h"

#include <cstring>
#include <mutex>

#include "toolkit/exceptions.h"

TBitmap::~TBitmap() { Release(); }

void TBitmap::Release() {
    std::lock_guard guard(FCanvas.Lock());
    FCanvas.SetHandle(nullptr);
    if (FMemoryDC) SelectObject(FMemoryDC->Get(), FOldBitmap);
    FMemoryDC.reset();
    FHandle.Reset();
    FBits = nullptr;
    FWidth = FHeight = 0;
}

void TBitmap::SetSize(int width, int height) {
    Release();
    if (width <= 0 || height <= 0) return;
    void* bits = nullptr;
    FHandle = NewDibSection(width, height, &bits);
    if (!FHandle) throw EOutOfResources("Out of system resources");
    FMemoryDC.emplace(nullptr);
    FOldBitmap = SelectObject(FMemoryDC->Get(), FHandle.Get());
    FBits = static_cast<std::uint32_t*>(bits);
    FWidth = width;
    FHeight = height;
    std::lock_guard guard(FCanvas.Lock());
    FCanvas.SetHandle(FMemoryDC->Get());
}

void TBitmap::LoadFromBMP(const std::vector<std::uint8_t>& file) {
    constexpr std::size_t fileHeaderSize = 14;
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    if (file.size() < fileHeaderSize + sizeof(info)) throw EInvalidGraphicOperation("Bitmap image is not valid");
    std::memcpy(&header, file.data(), fileHeaderSize);
    std::memcpy(&info, file.data() + fileHeaderSize, sizeof(info));
    if (header.bfType != 0x4D42 || header.bfOffBits >= file.size() || info.biWidth <= 0 || info.biHeight == 0)
        throw EInvalidGraphicOperation("Bitmap image is not valid");
    int height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    std::size_t stride = ((static_cast<std::size_t>(info.biWidth) * info.biBitCount + 31) / 32) * 4;
    if (info.biCompression != BI_RGB || file.size() - header.bfOffBits < stride * static_cast<std::size_t>(height))
        throw EInvalidGraphicOperation("Bitmap image is not valid");
    SetSize(info.biWidth, height);
    std::lock_guard guard(FCanvas.Lock());
    StretchDIBits(FMemoryDC->Get(), 0, 0, FWidth, FHeight, 0, 0, FWidth, FHeight, file.data() + header.bfOffBits,
                  reinterpret_cast<const BITMAPINFO*>(file.data() + fileHeaderSize), DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();
}

void TBitmap::StretchDraw(TCanvas& dest, const TRect& rect) {
    if (Empty() || !dest.Handle()) return;
    std::lock_guard guard(FCanvas.Lock());
    int oldMode = SetStretchBltMode(dest.Handle(), COLORONCOLOR);
    StretchBlt(dest.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), FMemoryDC->Get(), 0, 0, FWidth,
               FHeight, SRCCOPY);
    SetStretchBltMode(dest.Handle(), oldMode);
}
