#include "controls/editors/radio_group_layout.h"

#include <algorithm>

namespace {
constexpr int kButtonIndent = 6;
}

TRadioGroupGrid RadioGroupGrid(int count, int columns) {
    if (count <= 0) return {};
    int c = std::min(std::max(columns, 1), count);
    int r = (count + c - 1) / c;
    c = (count + r - 1) / r;  // the items spread evenly
    return {c, r};
}

TEditExtents RadioGroupExtents(TEditExtents border, TCaptionAlignment alignment, int captionTextHeight) {
    int room = captionTextHeight + 3;
    switch (alignment) {
    case TCaptionAlignment::alTopLeft:
    case TCaptionAlignment::alTopCenter:
    case TCaptionAlignment::alTopRight: border.Top = room; break;
    case TCaptionAlignment::alBottomLeft:
    case TCaptionAlignment::alBottomCenter:
    case TCaptionAlignment::alBottomRight: border.Bottom = room; break;
    case TCaptionAlignment::alLeftTop:
    case TCaptionAlignment::alLeftCenter:
    case TCaptionAlignment::alLeftBottom: border.Left = room; break;
    case TCaptionAlignment::alRightTop:
    case TCaptionAlignment::alRightCenter:
    case TCaptionAlignment::alRightBottom: border.Right = room; break;
    case TCaptionAlignment::alCenterCenter: break;
    }
    return border;
}

std::vector<TRect> RadioGroupButtonRects(int count, int columns, int width, int height, const TEditExtents& extents) {
    TRadioGroupGrid grid = RadioGroupGrid(count, columns);
    std::vector<TRect> rects;
    if (grid.Columns == 0) return rects;
    int columnWidth = std::max(0, (width - kButtonIndent - extents.Left - extents.Right) / grid.Columns);
    int available = std::max(0, height - extents.Top - extents.Bottom);
    int rowHeight = available / grid.Rows;
    int topOffset = extents.Top + (available % grid.Rows) / 2;
    for (int i = 0; i < count; ++i) {
        int column = i / grid.Rows, row = i % grid.Rows;
        int left = extents.Left + column * columnWidth + kButtonIndent;
        int top = topOffset + row * rowHeight;
        rects.push_back(TRect{left, top, left + columnWidth, top + rowHeight});
    }
    return rects;
}
