#pragma once
// What lies under a control in its parent: the parent's background and the windowless controls
// there, painted into dc whose origin is the control's top-left corner.
#include "toolkit/win_control.h"

void PaintParentImage(TControl& control, HDC dc);
