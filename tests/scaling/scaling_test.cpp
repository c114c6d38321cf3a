// The dialog laid out for the display: run once in each prefix (96, 144 and 192 pixels per inch,
// DBSETUP_DPI naming the prefix's), and moved between displays with WM_DPICHANGED.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/animation/gif_animator.h"
#include "controls/editors/text_edit.h"
#include "tests/dialog/dialog_fixture.h"
#include "toolkit/gdi_objects.h"

namespace {

struct TBounds {
    int Left, Top, Width, Height;  // -1: not checked (a label's size follows its text)
};

// The layout's bounds, and the same worked out by hand with MulDiv's rounding (x * dpi / 96,
// halves away from zero) for 150 % and 200 %.
struct TBoundsRow {
    const char* Name;
    TBounds At96, At144, At192;
};

const TBoundsRow kBounds[] = {
    {"Bevel2", {0, 240, 427, 2}, {0, 360, 641, 3}, {0, 480, 854, 4}},
    {"Bevel3", {1, 66, 426, 2}, {2, 99, 639, 3}, {2, 132, 852, 4}},
    {"TmpGif", {30, 21, 32, 32}, {45, 32, 48, 48}, {60, 42, 64, 64}},
    {"ImgLogo", {29, 21, 33, 32}, {44, 32, 50, 48}, {58, 42, 66, 64}},
    {"RdgConnType", {130, 68, 261, 60}, {195, 102, 392, 90}, {260, 136, 522, 120}},
    {"btnClose", {322, 253, 89, 33}, {483, 380, 134, 50}, {644, 506, 178, 66}},
    {"BtnSave", {221, 253, 89, 33}, {332, 380, 134, 50}, {442, 506, 178, 66}},
    {"BtnTest", {11, 253, 89, 33}, {17, 380, 134, 50}, {22, 506, 178, 66}},
    {"EditServerName", {133, 25, 225, 25}, {200, 38, 338, 38}, {266, 50, 450, 50}},
    {"EditDatabaseName", {135, 134, 225, 25}, {203, 201, 338, 38}, {270, 268, 450, 50}},
    {"EditUserName", {135, 167, 225, 25}, {203, 251, 338, 38}, {270, 334, 450, 50}},
    {"EditPassword", {135, 200, 225, 25}, {203, 300, 338, 38}, {270, 400, 450, 50}},
    {"EditConnPort", {310, 25, 49, 25}, {465, 38, 74, 38}, {620, 50, 98, 50}},
    {"Label1", {71, 31, -1, -1}, {107, 47, -1, -1}, {142, 62, -1, -1}},
    {"Label2", {73, 140, -1, -1}, {110, 210, -1, -1}, {146, 280, -1, -1}},
    {"Label3", {85, 173, -1, -1}, {128, 260, -1, -1}, {170, 346, -1, -1}},
    {"Label4", {85, 206, -1, -1}, {128, 309, -1, -1}, {170, 412, -1, -1}},
    {"Label5", {73, 88, -1, -1}, {110, 132, -1, -1}, {146, 176, -1, -1}},
};

// Font heights in pixels (negative: the character height) as designed, at 144 and at 192.
struct TFontRow {
    const char* Name;
    int At96, At144, At192;
};

const TFontRow kFonts[] = {
    {"FrmCorvane", -11, -17, -22},
    {"Label1", -12, -18, -24},
    {"Label5", -12, -18, -24},
    {"RdgConnType", -12, -18, -24},
    {"BtnTest", -11, -17, -22},
    {"btnClose", -11, -17, -22},
    {"EditServerName", -13, -20, -26},
    {"EditPassword", -13, -20, -26},
    {"EditConnPort", -13, -20, -26},
};

struct TSizeRow {
    int Dpi, ClientWidth, ClientHeight, Picture;
};

const TSizeRow kSizes[] = {
    {96, 425, 298, 32},
    {144, 638, 447, 48},
    {192, 850, 596, 64},
};

template <class Row>
auto At(const Row& row, int dpi) {
    return dpi == 144 ? row.At144 : dpi == 192 ? row.At192 : row.At96;
}

const TSizeRow& SizesAt(int dpi) {
    for (const TSizeRow& row : kSizes)
        if (row.Dpi == dpi) return row;
    throw std::invalid_argument("no sizes for " + std::to_string(dpi) + " dpi");
}

int FontAt(const std::string& name, int dpi) {
    for (const TFontRow& row : kFonts)
        if (row.Name == name) return At(row, dpi);
    throw std::invalid_argument("no font row " + name);
}

// The pixels per inch of the prefix the test runs in.
int PrefixDpi() {
    const char* dpi = std::getenv("DBSETUP_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

int NativeFontHeight(HWND window) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (!font || !GetObjectW(font, sizeof(description), &description)) return 0;
    return description.lfHeight;
}

// A window's client area as WM_PRINTCLIENT paints it.
class TPrinted {
public:
    TPrinted(HWND window, int width, int height)
        : FBitmap(CreateCompatibleBitmap(TWindowDC(nullptr).Get(), width, height)) {
        FOld = SelectObject(FDc.Get(), FBitmap.Get());
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(FDc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    }
    ~TPrinted() { SelectObject(FDc.Get(), FOld); }
    TPrinted(const TPrinted&) = delete;
    TPrinted& operator=(const TPrinted&) = delete;
    COLORREF At(int x, int y) const { return GetPixel(FDc.Get(), x, y); }

private:
    TBitmapObject FBitmap;
    TMemoryDC FDc;
    HGDIOBJ FOld;
};

class DialogScaling : public TDialogTest {
protected:
    TControl& Control(const char* name) {
        if (FDialog->Name() == name) return *FDialog;
        auto control = dynamic_cast<TControl*>(FDialog->FindComponent(name));
        if (!control) throw std::invalid_argument(std::string("no control ") + name);
        return *control;
    }

    void ExpectLayoutAt(int dpi) {
        const TSizeRow& sizes = SizesAt(dpi);
        EXPECT_EQ(FDialog->PixelsPerInch(), dpi);
        RECT client;
        GetClientRect(FDialog->Handle(), &client);
        EXPECT_EQ(client.right, sizes.ClientWidth) << dpi << " dpi";
        EXPECT_EQ(client.bottom, sizes.ClientHeight) << dpi << " dpi";
        TControl& bevel1 = Control("Bevel1");  // along the top, as wide as the client area
        EXPECT_EQ(bevel1.Width(), sizes.ClientWidth);
        EXPECT_EQ(bevel1.Height(), Control("Bevel2").Height());

        for (const TBoundsRow& row : kBounds) {
            TBounds want = At(row, dpi);
            TControl& control = Control(row.Name);
            EXPECT_EQ(control.Left(), want.Left) << row.Name << " at " << dpi;
            EXPECT_EQ(control.Top(), want.Top) << row.Name << " at " << dpi;
            if (want.Width >= 0) {
                EXPECT_EQ(control.Width(), want.Width) << row.Name << " at " << dpi;
            }
            if (want.Height >= 0) {
                EXPECT_EQ(control.Height(), want.Height) << row.Name << " at " << dpi;
            }
            // A windowed control's window agrees with its bounds.
            if (auto windowed = dynamic_cast<TWinControl*>(&control)) {
                RECT r;
                GetWindowRect(windowed->Handle(), &r);
                MapWindowPoints(nullptr, FDialog->Handle(), reinterpret_cast<POINT*>(&r), 2);
                EXPECT_EQ(r.left, control.Left()) << row.Name;
                EXPECT_EQ(r.bottom - r.top, control.Height()) << row.Name;
            }
        }
        for (const TFontRow& row : kFonts)
            EXPECT_EQ(Control(row.Name).Font().Height(), At(row, dpi)) << row.Name << " at " << dpi;
        // The labels measure their text in the scaled font.
        for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5"})
            EXPECT_GE(Control(label).Height(), -FontAt("Label1", dpi)) << label << " at " << dpi;

        // The native edit controls draw in the scaled font.
        for (auto* editor : {FDialog->EditServerName, FDialog->EditPassword})
            EXPECT_EQ(NativeFontHeight(editor->FocusWindow()), FontAt("EditServerName", dpi)) << editor->Name();

        EXPECT_EQ(FDialog->ImgLogo->PictureWidth(), sizes.Picture) << dpi << " dpi";
        EXPECT_EQ(FDialog->TmpGif->Image().LogicalWidth(), sizes.Picture) << dpi << " dpi";
    }

    // WM_DPICHANGED as the system sends it: the new pixels per inch and a rectangle for the window.
    RECT MoveToDisplay(int dpi, POINT topLeft) {
        const TSizeRow& sizes = SizesAt(dpi);
        HWND window = FDialog->Handle();
        RECT bounds{0, 0, sizes.ClientWidth, sizes.ClientHeight};
        AdjustWindowRectEx(&bounds, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
        OffsetRect(&bounds, topLeft.x - bounds.left, topLeft.y - bounds.top);
        SendMessageW(window, 0x02E0, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&bounds));
        Pump();
        return bounds;
    }
};

TEST_F(DialogScaling, LaysOutForThePrefixDisplay) {
    int dpi = PrefixDpi();
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi) << "the Wine prefix does not report " << dpi << " dpi";
    ReleaseDC(nullptr, screen);
    OpenDialog();
    ExpectLayoutAt(dpi);
}

TEST_F(DialogScaling, OnePixelLinesStayOnePixel) {
    OpenDialog();
    // The etched line: shadow, then the dialog's face, then the highlight at the bottom row.
    TControl& bevel = Control("Bevel3");
    TPrinted form(FDialog->Handle(), FDialog->ClientRect().Width(), FDialog->ClientRect().Height());
    int x = bevel.Left() + bevel.Width() / 2;
    EXPECT_EQ(form.At(x, bevel.Top()), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(form.At(x, bevel.Top() + bevel.Height() - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    if (bevel.Height() > 2) {
        EXPECT_EQ(form.At(x, bevel.Top() + 1), GetSysColor(COLOR_BTNFACE));
    }

    // An editor's frame, one pixel inside its bounds (the outer ring belongs to the dialog): its
    // row and column differ from the ones just inside, which agree with the ones inside them.
    TTextEdit& editor = *FDialog->EditDatabaseName;
    TPrinted frame(editor.Handle(), editor.Width(), editor.Height());
    int middle = editor.Width() / 2;
    EXPECT_NE(frame.At(middle, 1), frame.At(middle, 2));
    EXPECT_EQ(frame.At(middle, 2), frame.At(middle, 3));
    EXPECT_NE(frame.At(1, editor.Height() / 2), frame.At(2, editor.Height() / 2));
    EXPECT_EQ(frame.At(2, editor.Height() / 2), frame.At(3, editor.Height() / 2));
}

// Moved to a display with other scaling and back: each layout from the design, no drift, and
// what the user typed stays.
TEST_F(DialogScaling, WmDpiChangedLaysOutAgainAndTakesTheSuggestedRectangle) {
    int start = PrefixDpi();
    OpenDialog();
    FDialog->EditServerName->SetText("srv1");
    RECT window;
    GetWindowRect(FDialog->Handle(), &window);
    POINT topLeft{window.left + 7, window.top + 5};
    for (int dpi : {start == 144 ? 192 : 144, start}) {
        RECT suggested = MoveToDisplay(dpi, topLeft);
        ExpectLayoutAt(dpi);
        RECT now;
        GetWindowRect(FDialog->Handle(), &now);
        EXPECT_EQ(now.left, suggested.left) << dpi;
        EXPECT_EQ(now.top, suggested.top) << dpi;
        EXPECT_EQ(now.right - now.left, suggested.right - suggested.left) << dpi;
        EXPECT_EQ(FDialog->EditServerName->Text(), "srv1");
    }
}

}  // namespace
