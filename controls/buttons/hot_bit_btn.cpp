#include "controls/buttons/hot_bit_btn.h"

#include "toolkit/strings.h"

THotBitBtn::THotBitBtn(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void THotBitBtn::SetCaption(std::wstring caption) {
    if (caption == FCaption) return;
    FCaption = std::move(caption);
    Invalidate();
}

bool THotBitBtn::WantsKey(UINT key) const { return key == VK_RETURN || key == VK_SPACE; }

bool THotBitBtn::DialogKey(UINT key) {
    if (key != VK_ESCAPE || !FCancel || !CanFocus()) return false;
    Click();
    return true;
}

void THotBitBtn::FocusChanged(TWinControl*) { Invalidate(); }

void THotBitBtn::SetPressedLook(bool pressed) {
    if (pressed == FShowPressed) return;
    FShowPressed = pressed;
    Invalidate();
}

void THotBitBtn::SetMouseInside(bool inside) {
    if (inside == FMouseInside) return;
    FMouseInside = inside;
    if (inside) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
    }
    Invalidate();
}

void THotBitBtn::MouseDown(int, int) {
    SetFocus();
    FPressTracking = true;
    SetCapture(Handle());
    SetPressedLook(true);
}

void THotBitBtn::MouseMove(int x, int y) {
    bool inside = ClientRect().Contains(x, y);
    SetMouseInside(inside);
    if (FPressTracking) SetPressedLook(inside);
}

void THotBitBtn::MouseUp(int x, int y) {
    if (!FPressTracking) return;
    FPressTracking = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    SetPressedLook(false);
    if (ClientRect().Contains(x, y)) Click();
}

LRESULT THotBitBtn::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        MouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_MOUSELEAVE:
        SetMouseInside(false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !(lParam & (1 << 30))) {
            FSpaceArmed = true;
            SetPressedLook(true);
        } else if (wParam == VK_RETURN) {
            Click();
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && FSpaceArmed) {
            FSpaceArmed = false;
            SetPressedLook(false);
            Click();
        }
        return 0;
    case WM_KILLFOCUS:
        FSpaceArmed = false;
        SetPressedLook(false);
        Invalidate();
        return 0;
    case WM_SETFOCUS:
        FocusEnter();
        Invalidate();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON;
    default:
        return TCustomControl::WndProc(message, wParam, lParam);
    }
}

void THotBitBtn::Paint(TCanvas& canvas) {
    TRect r = ClientRect();
    TColor parentFace = Parent() ? Parent()->Color() : clBtnFace;
    canvas.FillRect(r, parentFace);
    TRect frame{1, 1, r.Right - 1, r.Bottom - 1};
    TColor edge = Enabled() ? cl3DDkShadow : clBtnShadow;
    canvas.Line(frame.Left + 1, frame.Top, frame.Right - 1, frame.Top, edge);
    canvas.Line(frame.Left + 1, frame.Bottom - 1, frame.Right - 1, frame.Bottom - 1, edge);
    canvas.Line(frame.Left, frame.Top + 1, frame.Left, frame.Bottom - 1, edge);
    canvas.Line(frame.Right - 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1, edge);
    TRect face{2, 2, r.Right - 2, r.Bottom - 2};
    TColor faceColor = FShowPressed ? MakeRGB(230, 230, 230) : Color();
    canvas.FillRect(face, faceColor);
    if (Enabled() && !FShowPressed && (FMouseInside && FHotTrack)) {
        TRect ring{face.Left, face.Top, face.Right, face.Bottom};
        for (int i = 0; i < 2; ++i) {
            canvas.Line(ring.Left + i, ring.Top + i, ring.Right - i, ring.Top + i, FHotTrackColor);
            canvas.Line(ring.Left + i, ring.Bottom - 1 - i, ring.Right - i, ring.Bottom - 1 - i, FHotTrackColor);
            canvas.Line(ring.Left + i, ring.Top + i, ring.Left + i, ring.Bottom - i, FHotTrackColor);
            canvas.Line(ring.Right - 1 - i, ring.Top + i, ring.Right - 1 - i, ring.Bottom - i, FHotTrackColor);
        }
    } else if (Enabled() && Focused() && !FShowPressed) {
        canvas.Line(face.Left, face.Top, face.Right, face.Top, FHighlightColor);
        canvas.Line(face.Left, face.Bottom - 1, face.Right, face.Bottom - 1, FHighlightColor);
        canvas.Line(face.Left, face.Top, face.Left, face.Bottom, FHighlightColor);
        canvas.Line(face.Right - 1, face.Top, face.Right - 1, face.Bottom, FHighlightColor);
    }
    TColor text = Enabled() ? (Font().Color() == clNone ? clBtnText : Font().Color()) : clGrayText;
    canvas.DrawText(FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, text);
    if (Focused()) {
        RECT focus{3, 3, r.Right - 3, r.Bottom - 3};
        DrawFocusRect(canvas.Handle(), &focus);
    }
}

bool THotBitBtn::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Caption") SetCaption(Utf8ToWide(LayoutString(p)));
    else if (n == "Cancel") FCancel = LayoutBoolean(p);
    else if (n == "HotTrack") FHotTrack = LayoutBoolean(p);
    else if (n == "HotTrackColor") FHotTrackColor = LayoutColor(p);
    else if (n == "HighlightColor") FHighlightColor = LayoutColor(p);
    else if (n == "LightTextStyle" || n == "AllowAllUp") (void)LayoutBoolean(p);  // no effect in this look
    else if (n == "NumGlyphs" || n == "ImageIndex") (void)LayoutInteger(p);     // no picture is attached
    else return TCustomControl::SetProperty(p, context);
    return true;
}
