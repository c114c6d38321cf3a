#pragma once
// A visual component: bounds in its parent's client area, visibility, enabled state, colour and
// font. TGraphicControl is windowless: it paints into its parent's area.
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "toolkit/canvas.h"
#include "toolkit/component.h"

class TWinControl;
class TForm;

enum class TAlign { alNone, alTop };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    TForm* ParentForm() const;

    int Left() const { return FBounds.Left; }
    int Top() const { return FBounds.Top; }
    int Width() const { return FBounds.Width(); }
    int Height() const { return FBounds.Height(); }
    const TRect& BoundsRect() const { return FBounds; }
    virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }
    void SetBounds(int left, int top, int width, int height);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);

    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    // Visible and enabled, and so are all its parents.
    bool Showing() const;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }

    TNotifyEvent OnClick;
    virtual void Click();

    // Asks for a repaint of the control's area.
    virtual void Invalidate();
    virtual bool Windowless() const { return true; }
    // Paints a windowless control; dc has its origin at the control's top-left and is clipped to it.
    virtual void PaintControl(HDC dc);

    // The form's broadcasts: a dialog key offered to every control (true when taken), and the
    // control that now has the focus.
    virtual bool DialogKey(UINT key) { (void)key; return false; }
    // A typed character offered as an accelerator (Alt+letter, or a letter on a control that
    // takes no text); true when taken.
    virtual bool DialogChar(wchar_t character) { (void)character; return false; }
    virtual void FocusChanged(TWinControl* focused) { (void)focused; }

    // The parent's colour changed (controls with ParentColor follow it).
    virtual void ParentColorChanged();

    // The pixels per inch the control is laid out for: its form's (96 without a form).
    int PixelsPerInch() const;
    // The form was laid out again for another display and every length is in place: controls
    // that derive something from them (a measured size, a picture, a native window's font) follow.
    virtual void ScaleChanged() {}

    // What a screen reader is told (oleacc's ROLE_SYSTEM_* and STATE_SYSTEM_* values). The name
    // is the layout's AccessibleName, else the caption of the label whose FocusControl this is.
    virtual long AccessibleRole() const { return ROLE_SYSTEM_CLIENT; }
    virtual std::wstring AccessibleName() const;
    virtual long AccessibleState() const;
    virtual std::wstring AccessibleValue() const { return {}; }

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    virtual void BoundsChanged() {}
    virtual void VisibleChanged();
    virtual void EnabledChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    // Windowless painting with the canvas bound to the parent's device context.
    virtual void Paint(TCanvas& canvas) { (void)canvas; }
    TCanvas& ControlCanvas() { return FCanvas; }
    void ApplyAlign();

private:
    TWinControl* FParent = nullptr;
    TRect FBounds{0, 0, 0, 0};
    TAlign FAlign = TAlign::alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    TFont FFont;
    TCanvas FCanvas;
    std::wstring FAccessibleName;
};

using TGraphicControl = TControl;

// A colour as a layout stores it: a name such as clBtnFace, or the number itself.
TColor LayoutColor(const TLayoutProperty& property);
