#pragma once
// The command button: focusable, a press tracked with the mouse captured counts as a click
// only when released over the button; Space and Enter click it, Escape clicks the Cancel button.
#include <string>

#include "toolkit/win_control.h"

class THotBitBtn : public TCustomControl {
public:
    explicit THotBitBtn(TComponent* owner);

    const std::wstring& Caption() const { return FCaption; }
    void SetCaption(std::wstring caption);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool cancel) { FCancel = cancel; }

    bool WantsKey(UINT key) const override;
    bool DialogKey(UINT key) override;
    void FocusChanged(TWinControl* focused) override;
    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(TCanvas& canvas) override;
    void MouseDown(int x, int y) override;
    void MouseUp(int x, int y) override;

private:
    void MouseMove(int x, int y);
    void SetPressedLook(bool pressed);
    void SetMouseInside(bool inside);

    std::wstring FCaption;
    bool FCancel = false;
    TColor FHighlightColor = clHighlight;
    TColor FHotTrackColor = MakeRGB(240, 155, 20);
    bool FHotTrack = false;
    bool FPressTracking = false;
    bool FShowPressed = false;
    bool FMouseInside = false;
    bool FSpaceArmed = false;

public:
    long AccessibleRole() const override { return ROLE_SYSTEM_PUSHBUTTON; }
    std::wstring AccessibleName() const override { return FCaption; }
};
