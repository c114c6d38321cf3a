#include "toolkit/image_list.h"

#include <algorithm>

TCustomImageList::TCustomImageList(TComponent* owner, int width, int height)
    : TComponent(owner), FWidth(std::max(width, 1)), FHeight(std::max(height, 1)) {}

TCustomImageList::~TCustomImageList() {
    auto listeners = std::move(FFreeListeners);
    for (auto& [id, listener] : listeners) listener();
}

int TCustomImageList::Add(const TBitmap& image, TColor transparent) {
    auto picture = std::make_unique<TBitmap>();
    picture->SetSize(FWidth, FHeight);
    for (int y = 0; y < std::min(FHeight, image.Height()); ++y)
        for (int x = 0; x < std::min(FWidth, image.Width()); ++x)
            picture->Bits()[y * FWidth + x] = image.Bits()[y * image.Width() + x];
    COLORREF leftOut = ColorToRGB(transparent);
    if (transparent == clNone) {
        std::uint32_t corner = image.Empty() ? 0 : image.Bits()[(image.Height() - 1) * image.Width()];
        leftOut = RGB(corner >> 16 & 0xFF, corner >> 8 & 0xFF, corner & 0xFF);
    }
    FImages.push_back({std::move(picture), leftOut});
    return Count() - 1;
}

void TCustomImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    const TEntry& entry = FImages[static_cast<std::size_t>(index)];
    TBitmap& picture = *entry.Picture;
    if (enabled) {
        TransparentBlt(dc, x, y, FWidth, FHeight, picture.Canvas().Handle(), 0, 0, FWidth, FHeight, entry.Transparent);
        return;
    }
    // Greyed: every pixel that is not left out becomes the shadow colour.
    TBitmap grey;
    grey.SetSize(FWidth, FHeight);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    std::uint32_t shadowWord = (GetRValue(shadow) << 16) | (GetGValue(shadow) << 8) | GetBValue(shadow);
    std::uint32_t leftOut = (GetRValue(entry.Transparent) << 16) | (GetGValue(entry.Transparent) << 8) |
                            GetBValue(entry.Transparent);
    for (int i = 0; i < FWidth * FHeight; ++i)
        grey.Bits()[i] = (picture.Bits()[i] & 0xFFFFFF) == leftOut ? leftOut : shadowWord;
    TransparentBlt(dc, x, y, FWidth, FHeight, grey.Canvas().Handle(), 0, 0, FWidth, FHeight, entry.Transparent);
}

int TCustomImageList::AddFreeListener(std::function<void()> listener) {
    FFreeListeners[FNextListener] = std::move(listener);
    return FNextListener++;
}

void TCustomImageList::RemoveFreeListener(int id) { FFreeListeners.erase(id); }
