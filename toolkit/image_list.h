#pragma once
// A list of equally sized pictures, drawn by index with their transparent colour left out,
// or greyed. Controls that show one of them hear when the list goes.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/component.h"

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner, int width = 16, int height = 16);
    ~TCustomImageList() override;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    // Copies image (cut or padded to the list's size); transparent is the colour left out when
    // drawn (clNone: the bottom-left pixel's). Returns the new index.
    int Add(const TBitmap& image, TColor transparent = clNone);
    // Draws image index with its top-left at (x, y); greyed in the shadow colour when disabled.
    // An index outside the list draws nothing.
    void Draw(HDC dc, int x, int y, int index, bool enabled) const;

    // Called once when the list is destroyed.
    int AddFreeListener(std::function<void()> listener);
    void RemoveFreeListener(int id);

private:
    struct TEntry {
        std::unique_ptr<TBitmap> Picture;
        COLORREF Transparent;
    };
    int FWidth;
    int FHeight;
    std::vector<TEntry> FImages;
    std::map<int, std::function<void()>> FFreeListeners;
    int FNextListener = 1;
};
