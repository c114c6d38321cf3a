#pragma once
// The single-line text editor: a container window that paints the frame and background from its
// styles and look and feel, around a native EDIT that holds the text, caret and selection. To the
// form it is one control: one Text, one OnKeyPress, one focus. Tab and Escape go to the form as
// dialog keys; Enter reaches OnKeyPress and then the EDIT, which beeps.
#include <string>

#include "controls/editors/edit_view.h"
#include "controls/editors/hot_tracker.h"
#include "controls/editors/text_edit_properties.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"

class TTextEdit : public TCustomControl {
public:
    explicit TTextEdit(TComponent* owner);
    ~TTextEdit() override;

    // The text in the ANSI code page, exactly as typed (also in password mode).
    std::string Text() const;
    void SetText(const std::string& text);

    const TTextEditProperties& Properties() const { return FProperties; }
    void SetProperties(const TTextEditProperties& properties);
    bool BeepOnEnter() const { return FBeepOnEnter; }
    void SetBeepOnEnter(bool beep) { FBeepOnEnter = beep; }

    long AccessibleRole() const override { return ROLE_SYSTEM_TEXT; }
    long AccessibleState() const override;          // a password editor is protected
    std::wstring AccessibleValue() const override;  // the text, never a password

    TEditStyle& Style() { return FStyles.Style; }
    TEditStyle& StyleFocused() { return FStyles.StyleFocused; }
    TEditStyle& StyleDisabled() { return FStyles.StyleDisabled; }
    TEditStyle& StyleHot() { return FStyles.StyleHot; }

    // The record the last paint used, and the inner edit (null before the window exists).
    const TEditViewInfo& ViewInfo() const { return FView; }
    HWND InnerEdit() const { return FEdit; }
    bool Hot() const { return FHot; }

    TKeyPressEvent OnKeyPress;

    HWND FocusWindow() override;
    bool WantsKey(UINT key) const override;
    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    void Loaded() override;

protected:
    void CreateWnd() override;
    void Paint(TCanvas& canvas) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) override;
    void BoundsChanged() override;
    void EnabledChanged() override;
    virtual void KeyPress(char& key);

private:
    void UpdateView();
    // Where the inner edit belongs in the current view.
    RECT InnerEditRect() const;
    void PlaceInnerEdit();
    void ApplyProperties();
    TEditViewOptions ViewOptions() const;
    int InnerEditHeight() const;
    void PointerMoved(HWND window);
    void SetHot(bool hot);
    LRESULT InnerKeyDown(HWND child, WPARAM key, LPARAM lParam);
    LRESULT InnerChar(HWND child, WPARAM character, LPARAM lParam);
    LRESULT InnerFocus(HWND child, WPARAM wParam, LPARAM lParam);
    LRESULT InnerColors(HDC dc);
    bool SetEditorProperty(const TLayoutProperty& property);

    TEditStyles FStyles;
    TTextEditProperties FProperties;
    TEditViewInfo FView;
    bool FViewComputed = false;
    HWND FEdit = nullptr;
    std::string FText;  // held until the EDIT exists
    bool FBeepOnEnter = true;
    bool FHot = false;
    THotTracker FTracker;
    bool FClickFocus = false;
    std::string FFocusValue;  // for Escape's revert
    bool FModified = false;
    bool FEscapeConsumed = false;
    TBrushObject FBackground;  // the EDIT asks for it at every paint: one per colour, kept
    COLORREF FBackgroundColor = 0;
};
