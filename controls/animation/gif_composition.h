#pragma once
// The animation's composed picture: frame n drawn over the frames before it by their disposal
// methods, on a bitmap of the logical screen's size. The last composition is kept, so that a step
// to the next frame draws only that frame (after restoring the area of the one before when it
// asked for the background).
#include <memory>

#include "controls/animation/gif_image.h"
#include "toolkit/bitmap.h"

class TGIFComposition {
public:
    // Frame min(n, FrameCount - 1) of a non-empty image; transparentColor receives the colour the
    // result is to be keyed on (clNone for none). The bitmap stays valid until the next call or
    // Drop. With transparent set, the bitmap's own TransparentColor is set too. A failure drops
    // the kept composition and passes the error on.
    TBitmap& ComposeFrame(TGIFImage& image, int n, bool transparent, TColor& transparentColor);
    // Forgets the kept composition (after the image changed).
    void Drop();

private:
    bool CanContinue(TGIFImage& image, int n) const;
    void Continue(TGIFImage& image, int n);
    void Start(TGIFImage& image, int n, bool transparent);

    std::unique_ptr<TBitmap> FBitmap;
    int FIndex = -1;
    TColor FTransparentColor = clNone;
};

// The frame a new composition of frame n starts from: from n down to 1, the first that covers the
// whole logical screen and either has no transparent colour or, lying before n, is disposed to the
// background; 0 when there is none.
int StartingFrame(TGIFImage& image, int n);
