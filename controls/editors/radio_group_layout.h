#pragma once
// Where the radio group's buttons go: columns and rows, items filling the first column from top
// to bottom, then the next; the client extents leave room for the border and the caption.
#include <vector>

#include "controls/editors/edit_view.h"

enum class TCaptionAlignment { alTopLeft, alTopCenter, alTopRight, alBottomLeft, alBottomCenter, alBottomRight,
                               alLeftTop, alLeftCenter, alLeftBottom, alRightTop, alRightCenter, alRightBottom,
                               alCenterCenter };

struct TRadioGroupGrid {
    int Columns = 0;
    int Rows = 0;
};

// No items: no grid. Columns below 1 count as 1.
TRadioGroupGrid RadioGroupGrid(int count, int columns);
// The border extents with the caption's room (text height + 3) on the caption's side.
TEditExtents RadioGroupExtents(TEditExtents border, TCaptionAlignment alignment, int captionTextHeight);
// One rectangle per item, in the group's client coordinates.
std::vector<TRect> RadioGroupButtonRects(int count, int columns, int width, int height, const TEditExtents& extents);
