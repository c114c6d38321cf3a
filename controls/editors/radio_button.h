#pragma once
// One button of the radio group: checked or not, a hover state from the pointer and the mouse
// button, its own look and feel mastered by the group's. It paints from a view record; the group
// decides what a click, a focus or an arrow key means.
#include <memory>
#include <string>

#include "controls/editors/hot_tracker.h"
#include "controls/editors/radio_button_view.h"
#include "toolkit/win_control.h"

class TRadioGroup;

class TCustomRadioGroupButton : public TCustomControl {
public:
    TCustomRadioGroupButton(TRadioGroup* group, int index, std::wstring caption);
    ~TCustomRadioGroupButton() override;

    int Index() const { return FIndex; }
    const std::wstring& Caption() const { return FCaption; }
    void SetCaption(std::wstring caption);
    bool Checked() const { return FChecked; }
    // Checking makes the button a tab stop (when the group is one); unchecking takes it away.
    void SetChecked(bool checked);
    THoverState HoverState() const;
    TLookAndFeel& LookAndFeel() { return *FLookAndFeel; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    // The colours the group gives: background and caption.
    void SetColors(TColor color, TColor textColor);
    void SetWordWrap(bool wordWrap);
    const TRadioButtonViewInfo& ViewInfo() const { return FView; }

    bool WantsKey(UINT key) const override;
    long AccessibleRole() const override { return ROLE_SYSTEM_RADIOBUTTON; }
    std::wstring AccessibleName() const override { return FCaption; }
    long AccessibleState() const override {
        return TCustomControl::AccessibleState() | (FChecked ? STATE_SYSTEM_CHECKED : 0);
    }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(TCanvas& canvas) override;
    void MouseDown(int x, int y) override;
    void MouseUp(int x, int y) override;
    void BoundsChanged() override;
    void EnabledChanged() override;

private:
    void UpdateView();
    void PointerMoved();
    void SetHot(bool hot);

    TRadioGroup* FGroup;
    int FIndex;
    std::wstring FCaption;
    bool FChecked = false;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FHot = false;
    TColor FColor = clBtnFace;
    TColor FTextColor = clWindowText;
    std::unique_ptr<TLookAndFeel> FLookAndFeel;
    THotTracker FTracker;
    TRadioButtonViewInfo FView;
};
