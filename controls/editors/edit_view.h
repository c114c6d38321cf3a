#pragma once
// What an editor paints, computed before every paint from its styles and state: border style as
// painted, widths, colours, the state set, the content rectangle and the window region. Painting
// reads only this record.
#include <optional>

#include "controls/editors/edit_style.h"
#include "toolkit/canvas.h"

using TEditStates = unsigned;
inline constexpr TEditStates esNormal = 1, esFocused = 2, esDisabled = 4, esHot = 8;

// Disabled alone when not enabled; else focused or normal, plus hot.
TEditStates EditStates(bool enabled, bool focused, bool hot);
// Under the pointer counts as hot only with no mouse button or shift key down, or with the capture.
bool PointerMakesHot(bool pointerInside, bool buttonsOrShiftDown, bool hasCapture);

struct TEditExtents {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TEditExtents&) const = default;
};

struct TEditViewInfo {
    TRect Bounds;
    TEditStates States = esNormal;
    TEditBorderStyle BorderStyle = TEditBorderStyle::ebsNone;  // as painted
    int BorderWidth = 0;
    TColor BorderColor = clNone;
    TBorders Edges = bAll;
    TColor BackgroundColor = clWindow;
    TColor TextColor = clWindowText;
    bool Native = false;
    int NativeState = 1;
    bool Shadow = false;
    bool Transparent = false;
    bool TextEditor = true;
    TEditExtents Extents;
    TRect ClientRect;  // the content rectangle
    TRect FrameRect;
    bool HasRegion = false;
    bool operator==(const TEditViewInfo&) const = default;
};

struct TEditViewOptions {
    bool Transparent = false;
    bool TextEditor = true;
    // The native "Edit" theme's content rectangle for the bounds (asked only when painting natively).
    bool NativeAvailable = false;
    TRect NativeContent;
    // The theme's fill colour of a disabled edit, for a disabled style whose colour is not assigned.
    std::optional<TColor> NativeDisabledFill;
};

// The active style: disabled, focused, hot (with HotTrack) or the base style.
const TEditStyle& ActiveStyle(const TEditStyles& styles, TEditStates states);
TEditViewInfo CalculateEditView(const TEditStyles& styles, TEditStates states, TRect bounds,
                                const TEditViewOptions& options);
// The native theme state: disabled 4, focused 5, hot 2, else 1.
int NativeEditState(TEditStates states);
