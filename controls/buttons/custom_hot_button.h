#pragma once
// The base of the command buttons: a focusable custom-painted window that tracks the pointer
// (enter and leave through the platform's mouse tracking) and a press made with the mouse
// captured, which counts only when released over the button. It knows the hot-tracking
// colours and draws the caption with its vertical alignment and text style; what a completed
// press does and how the face looks are its descendants' (THotButton).
#include <string>

#include "controls/buttons/button_types.h"
#include "toolkit/win_control.h"

class TCustomHotButton : public TCustomControl {
public:
    explicit TCustomHotButton(TComponent* owner);

    const std::wstring& Caption() const { return FCaption; }
    void SetCaption(std::wstring caption);

    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical value);
    bool HotTrack() const { return FHotTrack; }
    virtual void SetHotTrack(bool value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value);
    THotTrackColorType HotTrackColorType() const { return FHotTrackColorType; }
    void SetHotTrackColorType(THotTrackColorType value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    TTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TTextStyle value);
    bool LightTextStyle() const { return FLightTextStyle; }
    void SetLightTextStyle(bool value);
    TColor TextHighlightColor() const { return FTextHighlightColor; }
    void SetTextHighlightColor(TColor value);
    TColor TextShadowColor() const { return FTextShadowColor; }
    void SetTextShadowColor(TColor value);
    int TextShadowDepth() const { return FTextShadowDepth; }
    void SetTextShadowDepth(int value);
    bool ThemeAware() const { return FThemeAware; }
    void SetThemeAware(bool value);
    // Paint the parent's image at the outer corners.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    bool MouseInside() const { return FMouseInside; }
    bool PressTracking() const { return FPressTracking; }
    bool ShowPressed() const { return FShowPressed; }
    // The platform's themes are active for this program and the button follows them.
    bool ThemeStyleApplies() const;

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual void PaintBackdrop(HDC dc) { (void)dc; }
    // The pressed look may have changed.
    virtual void LookChanged() {}
    // Focus gained or lost: repaint now.
    virtual void FocusLookChanged();
    // What pointer enter and leave repaint.
    virtual TRect GetHotRect() const { return ClientRect(); }
    // The caption placed by AlignmentVertical inside area and drawn in the text style.
    virtual void RenderCaptionText(TCanvas& canvas, TRect area, UINT textFlags);
    // A press completed over the button.
    virtual void PerformPress() = 0;
    virtual void FocusGained();
    virtual void FocusLost();

    // Stores a property's new value and repaints when it changed.
    template <class T>
    void SetAndInvalidate(T& field, T value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    void SetShowPressed(bool pressed);
    // The caption's text colour for an enabled button: clNone is no colour, so black is used.
    TColor CaptionColor() const;
    void EnabledChanged() override;

private:
    void PointerMoved(int x, int y);
    void PointerEntered();
    void PointerLeft();
    void LeftButtonDown();
    void ButtonUp(WPARAM heldButtons, int x, int y);
    // The press ends without a click: the focus or the mouse capture went elsewhere.
    void CancelPress();
    void EraseBackground(HDC dc) override;

    std::wstring FCaption;
    TAlignmentVertical FAlignmentVertical = TAlignmentVertical::avCenter;
    bool FHotTrack = false;
    TColor FHotTrackColor = 1350640;
    THotTrackColorType FHotTrackColorType = THotTrackColorType::htctActual;
    TColor FHighlightColor = clHighlight;
    TTextStyle FTextStyle = TTextStyle::tsNormal;
    bool FLightTextStyle = false;
    TColor FTextHighlightColor = clBtnHighlight;
    TColor FTextShadowColor = clBtnShadow;
    int FTextShadowDepth = 2;
    bool FThemeAware = true;
    bool FTransparent = false;

    bool FMouseInside = false;
    bool FPressTracking = false;
    bool FShowPressed = false;
};
