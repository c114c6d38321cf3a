#include "controls/editors/parent_image.h"

void PaintParentImage(TControl& control, HDC dc) {
    TWinControl* parent = control.Parent();
    if (!parent) return;
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
    IntersectClipRect(dc, control.Left(), control.Top(), control.Left() + control.Width(),
                      control.Top() + control.Height());
    parent->PaintBackground(dc);
    parent->PaintWindowlessChildren(dc, control.BoundsRect().ToRECT());
    RestoreDC(dc, saved);
}
