#include "toolkit/bevel.h"

void TBevel::Paint(TCanvas& canvas) {
    int right = Width() - 1;
    int bottom = Height() - 1;
    canvas.Line(0, 0, right, 0, clBtnShadow);         // top
    canvas.Line(0, 0, 0, bottom, clBtnShadow);        // left
    canvas.Line(0, bottom, right + 1, bottom, clBtnHighlight);  // bottom
    canvas.Line(right, 0, right, bottom, clBtnHighlight);       // right
}

bool TBevel::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    // Only the lowered box is drawn; refuse any other look rather than draw it wrongly.
    if (p.Name == "Shape") {
        if (LayoutIdentifier(p) != "bsBox") LayoutFail(p, "only bsBox is supported");
    } else if (p.Name == "Style") {
        if (LayoutIdentifier(p) != "bsLowered") LayoutFail(p, "only bsLowered is supported");
    } else {
        return TGraphicControl::SetProperty(p, context);
    }
    return true;
}
