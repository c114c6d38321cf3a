#pragma once
// A windowless text label: left-aligned at the top, one line, sized to its text. Its
// FocusControl names the control it labels, which takes the label's text as its accessible name.
#include <optional>
#include <string>

#include "toolkit/control.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const std::wstring& Caption() const { return FCaption; }
    void SetCaption(std::wstring caption);
    void SetAutoSize(bool autoSize);
    void SetTransparent(bool transparent);
    // The labelled control; null when the layout names none.
    TControl* FocusControl() const;

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    void Loaded() override;
    void ScaleChanged() override { AdjustSize(); }

    long AccessibleRole() const override { return ROLE_SYSTEM_STATICTEXT; }
    // The caption as read aloud: without the trailing colon and the blanks that only pad the
    // text to the width of the other labels ("密  码：" reads "密码").
    std::wstring AccessibleName() const override;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void AdjustSize();

    std::wstring FCaption;
    bool FAutoSize = true;
    bool FTransparent = false;
    std::optional<TLayoutProperty> FFocusControl;  // as read, resolved by name when asked
};
