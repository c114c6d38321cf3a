#pragma once
// A top-level form: a fixed dialog frame, client size, centred on first show; it knows its
// focused control, moves the focus in tab order and answers the dialog keys. It is laid out for
// the display's pixels per inch and again for another display's when it is moved there.
#include <string>
#include <vector>

#include "toolkit/form_scaler.h"
#include "toolkit/win_control.h"

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    const std::wstring& Caption() const { return FCaption; }
    void SetCaption(std::wstring caption);
    void SetClientSize(int width, int height);
    TRect ClientRect() const override { return {0, 0, FClientWidth, FClientHeight}; }

    // The pixels per inch the form is laid out for: the display's when it was made.
    int PixelsPerInch() const { return FPixelsPerInch; }
    // The design lengths of the form's layout (the form loader records them).
    TFormScaler& Scaler() { return FScaler; }
    // Lays the form out again for dpi and places its window at bounds (screen coordinates).
    void ChangeScale(int dpi, const RECT& bounds);

    std::wstring AccessibleName() const override { return FCaption; }

    // The control that has, or last had, the focus inside the form.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void FocusControl(TWinControl* control);
    void SetFocusedControl(TWinControl* control);

    // Every focusable descendant in tab order: by TabOrder within each parent, depth first.
    std::vector<TWinControl*> TabOrderList() const;
    // Moves the focus to the next control after current (the first when current is null):
    // forward or back, only tab stops when checkTabStop, skipping what cannot take the focus,
    // wrapping around at the end.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // Tab, Shift+Tab, then every other key offered to all controls (Escape to the cancel button).
    bool DialogKey(UINT key) override;
    // A character offered to every control as an accelerator.
    bool DialogChar(wchar_t character) override;

    // What the command that closes a modal use of the form answered (0: nothing yet).
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }

    void ShowForm();  // shows the form, centred on the desktop the first time
    void Close();     // the main form's close ends the application

    TNotifyEvent OnCreate;
    // Runs OnCreate: after the whole layout has been read.
    void DoCreate();

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FocusEnter() override;

private:
    void CentreOnDesktop();
    void RepaintAll();
    void ActivateFocus();
    void PlaceForClientSize(const RECT& bounds);

    std::wstring FCaption;
    int FClientWidth = 0;
    int FClientHeight = 0;
    TWinControl* FActiveControl = nullptr;
    bool FShown = false;
    int FModalResult = 0;
    int FThemeListener = 0;
    int FColorListener = 0;
    int FPixelsPerInch;
    TFormScaler FScaler;
};

// The pixels per inch of the screen (LOGPIXELSY of its device context).
int ScreenPixelsPerInch();
