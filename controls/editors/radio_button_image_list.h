#pragma once
// The non-themed radio glyphs: the pattern measured once, coloured per kind, state, checked,
// focused and designing into 128 pre-painted images, so that drawing one is a masked copy. The
// images are rebuilt when the platform's system colours change.
#include <windows.h>

#include <array>

#include "controls/editors/look_and_feel_painter.h"
#include "controls/editors/radio_glyph_pattern.h"
#include "toolkit/bitmap.h"

inline constexpr int kRadioImageCount = 128;

// The image of a request: (state - 1) + 8 x kind + 4 x checked + 64 x focused + 32 x designing;
// the default state counts as normal.
int RadioImageIndex(TLookAndFeelKind kind, TButtonState state, bool checked, bool focused, bool designing);

// Seven colours indexed by pattern code (code 0 is black and masked out), as COLORREF.
std::array<COLORREF, 7> RadioGlyphColorMap(TLookAndFeelKind kind, TButtonState state, bool checked, bool focused,
                                           bool designing);

class TRadioButtonImageList {
public:
    static TRadioButtonImageList& Instance();
    TRadioButtonImageList(const TRadioButtonImageList&) = delete;
    TRadioButtonImageList& operator=(const TRadioButtonImageList&) = delete;
    ~TRadioButtonImageList();

    SIZE GlyphSize() const { return SIZE{FPattern.Width, FPattern.Height}; }
    const TRadioGlyphMetrics& Metrics() const { return FMetrics; }
    const TRadioGlyphPattern& Pattern() const { return FPattern; }
    int Builds() const { return FBuilds; }

    void Draw(TCanvas& canvas, int x, int y, TLookAndFeelKind kind, TButtonState state, bool checked, bool focused,
              TColor brush, bool designing);
    // The images painted again in the current system colours.
    void Rebuild();

private:
    TRadioButtonImageList();
    void PaintImage(int index, const std::array<COLORREF, 7>& colors);

    TRadioGlyphMetrics FMetrics;
    TRadioGlyphPattern FPattern;
    TBitmap FImages;  // the 128 images side by side
    TBitmap FMask;    // white outside the glyph, black inside
    int FListener = 0;
    int FBuilds = 0;
};
