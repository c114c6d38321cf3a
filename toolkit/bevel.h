#pragma once
// A windowless lowered box: shadow on the top and left edges, highlight on the bottom and right,
// so a bevel two pixels high shows as an etched line.
#include "toolkit/control.h"

class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner) : TGraphicControl(owner) {}
    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    void Paint(TCanvas& canvas) override;
};
