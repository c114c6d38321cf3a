// Paint time of one text editor and of the radio group with its two buttons (the dialog's sizes
// and settings), each painted onto the screen through the window system; then the counted GDI
// objects left after 1,000 hover cycles over an editor and 100 system-colour changes. Goals: at
// most 1 ms per paint, no objects left.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/editors/radio_button_image_list.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/theme_services.h"

namespace {

constexpr int kPaints = 2000;

void Pump() { Application->ProcessMessages(); }

template <class F>
void Report(const char* name, F&& paint) {
    std::vector<double> times;
    for (int i = 0; i < kPaints; ++i) {
        auto start = std::chrono::steady_clock::now();
        paint();
        GdiFlush();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%-40s median %7.1f us, best %7.1f us, 90th percentile %7.1f us (%d paints)\n", name,
                times[times.size() / 2], times.front(), times[times.size() * 9 / 10], kPaints);
}

// Median and best of single paints, in microseconds: onto the screen through the window system
// (what a user waits for, Wine's presentation included), and the control's own painting into a
// memory bitmap (WM_PRINTCLIENT, children included).
void TimePaints(const char* name, TWinControl& control) {
    HWND window = control.Handle();
    Report((std::string(name) + ", on screen").c_str(), [&] {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    TBitmap surface;
    surface.SetSize(control.Width(), control.Height());
    HDC dc = surface.Canvas().Handle();
    Report((std::string(name) + ", into memory").c_str(), [&] {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        for (TControl* child : control.Controls()) {
            auto windowed = dynamic_cast<TWinControl*>(child);
            if (!windowed) continue;
            int saved = SaveDC(dc);
            OffsetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
            SendMessageW(windowed->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            RestoreDC(dc, saved);
        }
    });
}

void Hover(TTextEdit& edit, int cycles) {
    RECT r;
    GetWindowRect(edit.Handle(), &r);
    for (int i = 0; i < cycles; ++i) {
        SetCursorPos(r.left + 30, r.top + 12);
        SendMessageW(edit.InnerEdit(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
        RedrawWindow(edit.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        SetCursorPos(0, 0);
        for (int wait = 0; wait < 100 && edit.Hot(); ++wait) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
            Pump();
        }
        if (edit.Hot()) std::printf("hover cycle %d: still hot\n", i);
    }
}

}  // namespace

int main() {
    TApplication application;
    application.Initialize();
    TThemeServices& themes = TThemeServices::Instance();
    int before = LiveGdiObjects();
    {
        TForm form(nullptr);
        form.SetClientSize(425, 298);
        auto edit = new TTextEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(133, 25, 225, 25);
        edit->Font().SetName(L"宋体");
        edit->Font().SetHeight(-13);
        edit->SetText("server-name");
        auto group = new TRadioGroup(&form);
        group->BeginLoading();
        group->SetParent(&form);
        group->SetBounds(130, 68, 261, 60);
        group->Font().SetName(L"宋体");
        group->Font().SetHeight(-12);
        group->SetItems(std::vector<std::wstring>{L"Windows 身份验证", L"SQL Server 身份验证"});
        group->Style().SetBorderStyle(TEditBorderStyle::ebsNone);
        group->Style().LookAndFeel().SetNativeStyle(true);
        group->SetTransparent(true);
        group->SetItemIndex(1);
        group->Loaded();
        form.ShowForm();
        for (int i = 0; i < 20; ++i) Pump();

        const TRadioGlyphMetrics& glyph = TRadioButtonImageList::Instance().Metrics();
        std::printf("radio glyph measured: %d x %d at (%ld, %ld) in the check-box cell, dot (%ld, %ld)-(%ld, %ld)\n",
                    glyph.Width, glyph.Height, glyph.Origin.x, glyph.Origin.y, glyph.Dot.left, glyph.Dot.top,
                    glyph.Dot.right, glyph.Dot.bottom);
        std::printf("themes active: %s; radio glyphs %s\n", themes.ThemesActive() ? "yes" : "no",
                    group->Item(0)->ViewInfo().Painter->Native() ? "themed" : "from the image list");
        TimePaints("text editor (225 x 25)", *edit);
        TimePaints("radio group (261 x 60)", *group);
        themes.UseApiForTesting(std::nullopt);
        themes.TakeThemeChange();
        TimePaints("radio group, no themes", *group);
        themes.RestorePlatformApi();
        themes.TakeThemeChange();

        int start = LiveGdiObjects();
        Hover(*edit, 1000);
        for (int i = 0; i < 100; ++i) {
            SendMessageW(themes.NotifyWindow(), WM_SYSCOLORCHANGE, 0, 0);
            RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            Pump();
        }
        std::printf("counted GDI objects: %d at start, %d with the form, %d after 1000 hover cycles and 100 "
                    "system-colour changes\n", before, start, LiveGdiObjects());
    }
    for (int i = 0; i < 20; ++i) Pump();
    std::printf("counted GDI objects after the form is gone: %d (kept for the program's life: %d, the radio "
                "image list's bitmaps and their memory contexts)\n",
                LiveGdiObjects(), LiveGdiObjects() - before);
    return 0;
}
