#pragma once
// A control with a window of its own: children (windowed and windowless), tab order, focus and
// a window procedure that hands each message to a small handler.
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/control.h"

class TAccessibleObject;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    bool Windowless() const override { return false; }
    HWND Handle();  // created on first use, after the parent's
    bool HandleAllocated() const { return FHandle != nullptr; }
    // The control that owns a window: its own, or one of the native windows inside it.
    static TWinControl* FromHandle(HWND window);

    const std::vector<TControl*>& Controls() const { return FControls; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int order) { FTabOrder = order; }
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool stop) { FTabStop = stop; }

    virtual bool CanFocus() const { return Showing(); }
    void SetFocus();
    bool Focused() const;  // the focus is in this control's window or below it
    // The child control (one of Controls()) the focus is in; null when none.
    TWinControl* FocusedChild() const;
    // The window that receives the keyboard focus for this control.
    virtual HWND FocusWindow() { return Handle(); }
    // Keys the control handles itself; all others are first offered to the form as dialog keys.
    virtual bool WantsKey(UINT key) const { (void)key; return false; }

    void Invalidate() override;
    // Repaints at once: the window and the windowless controls in it.
    void Update();

    // Paints the background and the windowless children into dc (also used for copies of the
    // parent's background behind windowless controls).
    void PaintBackground(HDC dc);
    // What erasing the window paints; done inside the paint's buffer (see HandlePaint).
    virtual void EraseBackground(HDC dc) { PaintBackground(dc); }
    void PaintWindowlessChildren(HDC dc, const RECT& area, const TControl* upTo = nullptr);

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

    // Native windows inside take the control's font again (its height changed) and the control
    // lays them out again.
    void ScaleChanged() override;

    // The object WM_GETOBJECT hands out for this control (and for its focus window).
    TAccessibleObject& Accessible();
    long AccessibleState() const override;  // adds focusable and focused
    // Tells screen readers about a change of this control (EVENT_OBJECT_STATECHANGE, ...).
    void NotifyAccessibleEvent(DWORD event);

protected:
    struct TCreateParams {
        std::wstring Caption;
        DWORD Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        DWORD ExStyle = 0;
    };
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();  // after the window exists
    virtual void DestroyWnd();

    // Every message arrives here; handlers fall back to DefaultHandler.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // Paints the control's own content (windowed custom controls override it).
    virtual void PaintWindow(HDC dc);
    virtual void MouseDown(int x, int y);
    virtual void MouseUp(int x, int y);
    virtual void FocusEnter();
    virtual void FocusExit() {}

    void BoundsChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void ColorChanged() override;

    // Native windows inside the control (an EDIT, a BUTTON) are subclassed through this.
    void SubclassChild(HWND child);
    virtual LRESULT ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallChildDefault(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static TWinControl* ControlOf(HWND window);
    WNDPROC PreviousProcedure(HWND child) const;
    void CreateHandle();
    void MakeWindowWhenDue();
    void TakeStackingPlace();
    TControl* WindowlessAt(int x, int y) const;
    void HandlePaint();
    void ApplyWindowState();

    LRESULT AccessibleObjectResult(WPARAM wParam, LPARAM lParam);

    HWND FHandle = nullptr;
    struct TNativeChild {
        HWND Window;
        WNDPROC Previous;  // its procedure before SubclassChild
    };
    std::vector<TNativeChild> FNativeChildren;
    TAccessibleObject* FAccessible = nullptr;  // one reference held while the control lives
    long FAnnouncedState = 0;
    // Windowless controls paint in this order, the later over the earlier; the windows of windowed
    // ones stack the other way, the first on top, as the platform makes them.
    std::vector<TControl*> FControls;
    int FTabOrder = -1;
    bool FTabStop = false;
    TControl* FMouseControl = nullptr;
    bool FMousePressed = false;
};

// A windowed control that paints itself on its own canvas.
class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint(TCanvas& canvas) override { (void)canvas; }
    TCanvas& Canvas() { return ControlCanvas(); }
};
