#include "controls/animation/gif_composition.h"

#include <algorithm>
#include <mutex>

namespace {

enum TDisposal { dmNone = 0, dmLeave = 1, dmBackground = 2, dmPrevious = 3 };

bool CoversScreen(TGIFImage& image, TGIFFrame& frame) {
    TGIFOrigin origin = frame.Origin();
    return origin.Left == 0 && origin.Top == 0 && frame.FrameWidth() == image.LogicalWidth() &&
           frame.FrameHeight() == image.LogicalHeight();
}

}  // namespace

int StartingFrame(TGIFImage& image, int n) {
    for (int i = n; i >= 1; --i) {
        TGIFFrame& frame = image.Frame(i);
        if (!CoversScreen(image, frame)) continue;
        if (frame.TransparentColor() == clNone || (frame.Disposal() == dmBackground && i < n)) return i;
    }
    return 0;
}

void TGIFComposition::Drop() {
    FBitmap.reset();
    FIndex = -1;
    FTransparentColor = clNone;
}

TBitmap& TGIFComposition::ComposeFrame(TGIFImage& image, int n, bool transparent, TColor& transparentColor) {
    n = std::min(n, image.FrameCount() - 1);
    try {
        if (CanContinue(image, n))
            Continue(image, n);
        else
            Start(image, n, transparent);
    } catch (...) {
        Drop();
        throw;
    }
    transparentColor = FTransparentColor;
    return *FBitmap;
}

// A frame that restores what was there before it cannot be undone from the composition alone.
// Neither can a reserved disposal (4-7): a new composition leaves such frames out, so continuing
// over one would show it where composing afresh does not.
bool TGIFComposition::CanContinue(TGIFImage& image, int n) const {
    return FBitmap && n >= 1 && FIndex == n - 1 && image.Frame(n - 1).Disposal() < dmPrevious;
}

void TGIFComposition::Continue(TGIFImage& image, int n) {
    TCanvas& canvas = FBitmap->Canvas();
    std::lock_guard lock(canvas.Lock());
    TGIFFrame& previous = image.Frame(n - 1);
    if (previous.Disposal() == dmBackground) canvas.FillRect(previous.FrameRect());  // the start's brush
    image.Frame(n).DrawFrame(canvas, image.Frame(n).FrameRect(), true);
    FIndex = n;
}

void TGIFComposition::Start(TGIFImage& image, int n, bool transparent) {
    Drop();
    auto bitmap = std::make_unique<TBitmap>();
    TCanvas& canvas = bitmap->Canvas();
    std::lock_guard lock(canvas.Lock());
    bitmap->SetSize(image.LogicalWidth(), image.LogicalHeight());
    // Toolkit bitmaps are 32-bit: no palette to select and realise here.
    TColor key = clNone;
    TColor firstKey = image.Frame(std::max(image.CurrentFrame(), 0)).TransparentColor();
    if (firstKey != clNone) {
        key = GetNearestColor(canvas.Handle(), ColorToRGB(firstKey));
        canvas.SetBrushColor(PaletteRelative(key));
    } else if (image.BackgroundColor() != clNone && image.IsTransparent()) {
        canvas.SetBrushColor(PaletteRelative(image.BackgroundColor()));
    } else {
        canvas.SetBrushColor(clWindow);
    }
    canvas.FillRect({0, 0, bitmap->Width(), bitmap->Height()});
    int start = StartingFrame(image, n);
    for (int i = start; i < n; ++i) {
        TGIFFrame& frame = image.Frame(i);
        if (frame.Disposal() == dmNone || frame.Disposal() == dmLeave)
            frame.DrawFrame(canvas, frame.FrameRect(), true);
        else if (frame.Disposal() == dmBackground && i != start)
            canvas.FillRect(frame.FrameRect());
    }
    image.Frame(n).DrawFrame(canvas, image.Frame(n).FrameRect(), true);
    if (key != clNone && transparent) bitmap->SetTransparentColor(PaletteRelative(key));
    FBitmap = std::move(bitmap);
    FIndex = n;
    FTransparentColor = key;
}
