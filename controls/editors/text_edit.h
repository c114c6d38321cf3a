#pragma once
// The single-line text editor: a container window drawn flat around a native EDIT control.
// Keys reach OnKeyPress first and then the EDIT; Tab and Escape go to the form as dialog keys.
#include <string>

#include "toolkit/win_control.h"

enum class TEchoMode { eemNormal, eemPassword };

class TTextEdit : public TCustomControl {
public:
    explicit TTextEdit(TComponent* owner);
    ~TTextEdit() override;

    // The text in the ANSI code page, exactly as typed.
    std::string Text() const;
    void SetText(const std::string& text);
    TEchoMode EchoMode() const { return FEchoMode; }

    TKeyPressEvent OnKeyPress;

    HWND FocusWindow() override;
    bool WantsKey(UINT key) const override;
    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    void CreateWnd() override;
    void Paint(TCanvas& canvas) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) override;
    void BoundsChanged() override;
    void EnabledChanged() override;
    virtual void KeyPress(char& key);

private:
    RECT EditRect() const;
    HBRUSH BackgroundBrush(COLORREF color);
    void ApplyEchoMode();

    HWND FEdit = nullptr;
    std::string FText;  // held until the EDIT exists
    TEchoMode FEchoMode = TEchoMode::eemNormal;
    wchar_t FPasswordChar = L'*';
    bool FClickFocus = false;
    HBRUSH FBackground = nullptr;
    COLORREF FBackgroundColor = 0;

public:
    long AccessibleRole() const override { return ROLE_SYSTEM_TEXT; }
    long AccessibleState() const override;      // a password editor is protected
    std::wstring AccessibleValue() const override;  // the text, never a password
};
