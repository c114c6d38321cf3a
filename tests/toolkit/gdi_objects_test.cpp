// The counted GDI owners: every object made through them is counted while it lives, moves keep
// one owner, a region handed to the platform leaves the count, and toolkit objects that make GDI
// objects (fonts, bitmaps, canvases) give them all back.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/font.h"
#include "toolkit/gdi_objects.h"

TEST(GdiObjectsTest, OwnersCountWhatTheyHold) {
    const int start = LiveGdiObjects();
    {
        TBrushObject brush(CreateSolidBrush(RGB(1, 2, 3)));
        TPenObject pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        TMemoryDC memory;
        TWindowDC screen(nullptr);
        ASSERT_TRUE(brush && pen && memory.Get() && screen.Get());
        EXPECT_EQ(LiveGdiObjects(), start + 4);

        TBrushObject moved(std::move(brush));
        EXPECT_FALSE(brush);
        EXPECT_EQ(LiveGdiObjects(), start + 4);
        moved = TBrushObject(CreateSolidBrush(RGB(4, 5, 6)));  // the old brush is freed
        EXPECT_EQ(LiveGdiObjects(), start + 4);
        moved.Reset();
        EXPECT_EQ(LiveGdiObjects(), start + 3);
        TBrushObject empty(nullptr);
        EXPECT_EQ(LiveGdiObjects(), start + 3);
    }
    EXPECT_EQ(LiveGdiObjects(), start);
}

TEST(GdiObjectsTest, ARegionGivenToTheSystemLeavesTheCount) {
    const int start = LiveGdiObjects();
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    TRegionObject region(CreateRectRgn(1, 1, 49, 49));
    EXPECT_EQ(LiveGdiObjects(), start + 1);
    EXPECT_NE(SetWindowRgn(window, region.ReleaseToSystem(), FALSE), 0);
    EXPECT_FALSE(region);
    EXPECT_EQ(LiveGdiObjects(), start);
    DestroyWindow(window);
}

TEST(GdiObjectsTest, ToolkitObjectsGiveBackWhatTheyMake) {
    const int start = LiveGdiObjects();
    {
        TFont font;
        ASSERT_NE(font.Handle(), nullptr);
        EXPECT_EQ(LiveGdiObjects(), start + 1);
        font.SetHeight(-20);  // a change drops the handle, the next use makes one
        EXPECT_EQ(LiveGdiObjects(), start);
        font.Handle();
        TBitmap bitmap;
        bitmap.SetSize(8, 8);
        EXPECT_EQ(LiveGdiObjects(), start + 3);  // font, bitmap, memory context
        bitmap.Canvas().FillRect({0, 0, 8, 8}, clBtnFace);
        bitmap.Canvas().Line(0, 0, 8, 8, clWindowText);
        bitmap.Canvas().TextExtent(L"x");            // + the bitmap canvas's font
        TCanvas unbound;
        EXPECT_GT(unbound.TextExtent(L"xx").cx, 0);  // measured on the screen's context
        EXPECT_EQ(LiveGdiObjects(), start + 5);      // + the unbound canvas's font
        bitmap.SetSize(0, 0);
        EXPECT_EQ(LiveGdiObjects(), start + 3);
    }
    EXPECT_EQ(LiveGdiObjects(), start);
}
