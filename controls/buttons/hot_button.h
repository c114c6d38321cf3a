#pragma once
// The push button over TCustomHotButton: the hot-tracking, themed or classic look, Default and
// Cancel with the dialog keys Enter and Escape, Space, accelerators, the ModalResult handed
// to the form on a click, and grouped latching (GroupIndex, Down, AllowAllUp).
#include "controls/buttons/custom_hot_button.h"
#include "controls/buttons/hot_button_view.h"

class TBitmap;

class THotButton : public TCustomHotButton {
public:
    explicit THotButton(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value);
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FLatchedDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool ShowDownPattern() const { return FShowDownPattern; }
    void SetShowDownPattern(bool value);
    bool DropDownOnEnter() const { return FDropDownOnEnter; }
    void SetDropDownOnEnter(bool value) { FDropDownOnEnter = value; }
    void SetHotTrack(bool value) override;

    long AccessibleRole() const override { return ROLE_SYSTEM_PUSHBUTTON; }
    std::wstring AccessibleName() const override;  // the caption without its accelerator marks

    // The form's current default button (Enter clicks it).
    bool DefaultLook() const { return FDefaultLook; }
    bool InClick() const { return FInClick; }

    // ModalResult to the form, then OnClick.
    void Click() override;
    bool WantsKey(UINT key) const override;
    bool DialogKey(UINT key) override;
    bool DialogChar(wchar_t character) override;
    void FocusChanged(TWinControl* focused) override;
    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

    // What a paint shows now.
    THotButtonView ComputeView();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateWnd() override;
    void Paint(TCanvas& canvas) override;
    void PaintBackdrop(HDC dc) override;
    void LookChanged() override;
    void PerformPress() override;
    void FocusLost() override;

    virtual TRect ComputeCaptionRect();
    virtual void RenderCaption(TCanvas& canvas, const THotButtonView& view);
    virtual void BuildDownPattern(TBitmap& pattern);
    // A group member latched: the others of the group follow.
    void GroupChanged(THotButton& sender);
    bool LatchedOrPressed() const;

private:
    TButtonPaintStyle PaintStyle() const;
    TFaceLook FaceLook() const;
    TFaceColors ComputeColors(TButtonPaintStyle style, TFaceLook look) const;
    void NotifyGroup();
    bool ModifierHeld() const;
    void DialogKeyAtWindow(UINT key);
    void SpaceDown();
    void SpaceUp();

    TAlignment FAlignment = TAlignment::taCenter;
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
    TColor FFrameColor = cl3DDkShadow;
    bool FShowFocusRect = true;
    int FGroupIndex = 0;
    bool FLatchedDown = false;
    bool FAllowAllUp = false;
    bool FShowDownPattern = true;
    bool FDropDownOnEnter = true;

    bool FDefaultLook = false;
    bool FSpaceArmed = false;
    bool FInClick = false;
};
