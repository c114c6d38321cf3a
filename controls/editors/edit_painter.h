#pragma once
// Pixel work for an editor's frame and background, from its view record alone: the non-native
// frames by border style, the native "Edit" theme part, the background, and the window region
// that leaves the transparent border to the parent.
#include "controls/editors/edit_view.h"
#include "toolkit/gdi_objects.h"

void PaintEditBorderAndBackground(TCanvas& canvas, const TEditViewInfo& view);
// In the control's own coordinates (bounds moved to the origin); empty when the view has none.
TRegionObject EditWindowRegion(const TEditViewInfo& view);
