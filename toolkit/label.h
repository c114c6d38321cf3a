#pragma once
// A windowless text label: left-aligned at the top, one line, sized to its text.
#include <string>

#include "toolkit/control.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const std::wstring& Caption() const { return FCaption; }
    void SetCaption(std::wstring caption);
    void SetAutoSize(bool autoSize);
    void SetTransparent(bool transparent);

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    void Loaded() override;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void AdjustSize();

    std::wstring FCaption;
    bool FAutoSize = true;
    bool FTransparent = false;
};
