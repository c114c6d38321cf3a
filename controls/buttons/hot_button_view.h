#pragma once
// What one paint of a command button shows, computed from its state before any pixel is
// drawn: the painter reads only this record.
#include <string>

#include "controls/buttons/button_types.h"
#include "toolkit/canvas.h"

enum class TButtonPaintStyle { psHotTrack, psTheme, psClassic };
// The face by the first state that applies: pressed, hot, a plain shaded face, the focus ring.
enum class TFaceLook { flPressed, flHot, flPlain, flFocusRing };

struct TFaceColors {
    TColor WellDark = 0, WellLight = 0;  // the sunken well, from the parent's colour
    TColor Frame = 0;
    TColor Face = 0;                      // Color: the flat face and the disabled face
    TColor Pressed = 0;
    TColor ShadeUpper = 0, ShadeLower = 0;  // the two shade lines at the bottom of the face
    TColor RunTop = 0, RunBottom = 0;       // the face run above them
    TColor RingTop = 0, RingBottom = 0;     // hot or focus ring
    // Classic style's bevel: outer and inner lit edges, inner and outer dark edges.
    TColor BevelHighlight = 0, BevelLight = 0, BevelShadow = 0, BevelDark = 0;
};

struct THotButtonView {
    HWND Window = nullptr;
    TRect Client;
    TRect Face;         // R2, left for the down pattern and the caption
    TRect FocusRect;    // F
    TRect CaptionRect;
    TButtonPaintStyle Style = TButtonPaintStyle::psHotTrack;
    bool Enabled = true;
    bool FullColor = true;
    TFaceLook Look = TFaceLook::flPlain;
    TFaceColors Colors;
    // Classic style: the window-frame rectangle around a default or clicking button, and the
    // pushed-in bevel.
    bool ClassicFrame = false;
    bool ClassicPushed = false;
    int ThemeState = 1;  // PBS_NORMAL
    bool DownPattern = false;
    TColor PatternBack = 0, PatternDots = 0;
    bool FocusDots = false;
};

struct TCaptionTextView {
    std::wstring Text;
    TRect Area;
    UINT Flags = 0;
    TAlignmentVertical Vertical = TAlignmentVertical::avCenter;
    bool Enabled = true;
    TColor Color = 0;
    TTextStyle Style = TTextStyle::tsNormal;
    bool LightOnly = false;
    TColor HighlightColor = 0, ShadowColor = 0;
    int ShadowDepth = 2;
    bool RightToLeft = false;
};
