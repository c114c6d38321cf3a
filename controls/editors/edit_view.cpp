#include "controls/editors/edit_view.h"

#include "controls/editors/office11_colors.h"

TEditStates EditStates(bool enabled, bool focused, bool hot) {
    if (!enabled) return esDisabled;
    return (focused ? esFocused : esNormal) | (hot ? esHot : 0);
}

bool PointerMakesHot(bool pointerInside, bool buttonsOrShiftDown, bool hasCapture) {
    return pointerInside && (!buttonsOrShiftDown || hasCapture);
}

const TEditStyle& ActiveStyle(const TEditStyles& styles, TEditStates states) {
    if (states & esDisabled) return styles.StyleDisabled;
    if (states & esFocused) return styles.StyleFocused;
    if ((states & esHot) && styles.Style.HotTrack()) return styles.StyleHot;
    return styles.Style;
}

int NativeEditState(TEditStates states) {
    if (states & esDisabled) return 4;
    if (states & esFocused) return 5;
    if (states & esHot) return 2;
    return 1;
}

namespace {

// Ultra-flat and Office 2003 frames depend only on highlighting: focused, or hot with HotTrack.
TColor FrameColor(const TEditStyle& style, TEditBorderStyle border, TEditStates states, bool hotTrack) {
    bool highlighted = (states & esFocused) || ((states & esHot) && hotTrack);
    if (border == TEditBorderStyle::ebsUltraFlat) return highlighted ? clHighlight : clBtnShadow;
    if (border == TEditBorderStyle::ebsOffice11) return highlighted ? Office11Colors().SelectionBorder : clBtnShadow;
    return style.BorderColor();
}

TEditExtents BorderExtents(const TEditViewInfo& view, TEditBorderStyle baseBorder, bool transparentBorder) {
    TEditExtents e;
    if (transparentBorder) {
        e = {2, 2, 2, 2};
    } else if (view.BorderStyle == TEditBorderStyle::ebsNone ||
               (view.Native && baseBorder == TEditBorderStyle::ebsNone)) {
        e = {};
    } else if (view.Native) {
        e = {2, 2, 2, 2};
    } else {
        int w = view.BorderWidth;
        e = {view.Edges & bLeft ? w : 0, view.Edges & bTop ? w : 0, view.Edges & bRight ? w : 0,
             view.Edges & bBottom ? w : 0};
    }
    if (view.Shadow) {
        e.Right += 3;
        e.Bottom += 3;
    }
    return e;
}

}  // namespace

TEditViewInfo CalculateEditView(const TEditStyles& styles, TEditStates states, TRect bounds,
                                const TEditViewOptions& options) {
    const TEditStyle& style = ActiveStyle(styles, states);
    const TEditStyle& base = styles.Style;
    TEditViewInfo view;
    view.Bounds = bounds;
    view.States = states;
    TEditBorderStyle border = style.BorderStyle();
    bool flatKind = border == TEditBorderStyle::ebsUltraFlat || border == TEditBorderStyle::ebsOffice11;
    view.BorderStyle = flatKind ? TEditBorderStyle::ebsSingle : border;
    view.BorderWidth = EditBorderWidth(view.BorderStyle);
    view.BorderColor = FrameColor(style, border, states, base.HotTrack());
    view.Edges = base.Edges();
    view.BackgroundColor = style.Color();
    if (options.NativeAvailable && (states & esDisabled) && !styles.StyleDisabled.IsAssigned(svColor) &&
        options.NativeDisabledFill)
        view.BackgroundColor = *options.NativeDisabledFill;
    view.TextColor = style.TextColor();
    view.Native = options.NativeAvailable;
    view.NativeState = NativeEditState(states);
    view.Shadow = base.Shadow();
    view.Transparent = options.Transparent;
    view.TextEditor = options.TextEditor;
    view.Extents = BorderExtents(view, base.BorderStyle(), base.TransparentBorder());
    if (view.Native) {
        view.ClientRect = options.NativeContent;
    } else {
        view.ClientRect = TRect{bounds.Left + view.Extents.Left, bounds.Top + view.Extents.Top,
                                bounds.Right - view.Extents.Right, bounds.Bottom - view.Extents.Bottom};
    }
    int w = view.BorderWidth;
    TRect c = view.ClientRect;
    view.FrameRect = TRect{c.Left - (view.Edges & bLeft ? w : 0), c.Top - (view.Edges & bTop ? w : 0),
                           c.Right + (view.Edges & bRight ? w : 0), c.Bottom + (view.Edges & bBottom ? w : 0)};
    view.HasRegion = !(view.Native && view.BorderStyle != TEditBorderStyle::ebsNone);
    return view;
}
