#pragma once
// A form on screen holding command buttons set up as the dialog's (89 x 33, white, hot
// tracking, its ring colours, font colour clNone), with their clicks counted and their pixels
// read back through WM_PRINTCLIENT into a memory device context.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "controls/buttons/hot_bit_btn.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

struct TButtonPixels {
    int Width = 0, Height = 0;
    std::vector<std::uint32_t> Words;  // 0xRRGGBB, rows from the top
    std::uint32_t At(int x, int y) const { return Words.at(static_cast<std::size_t>(y * Width + x)); }
};

// A colour as the pixel it paints (system colours resolved).
std::uint32_t Pixel(TColor color);
std::string Hex(std::uint32_t pixel);

// A focusable control that is not a button and takes no keys itself.
class TFocusBox : public TCustomControl {
public:
    explicit TFocusBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

class TButtonTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A button like the dialog's at (left, top) on the form.
    THotBitBtn& AddButton(const std::string& name, int left, int top);
    void Pump();
    // Handles messages until done() holds; false after timeoutMs.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs);
    TButtonPixels Paint(THotBitBtn& button);
    // The pointer is put somewhere: over the button (its platform tracking sees it) or away.
    void PointerOver(THotBitBtn& button);
    void PointerAway();
    int Clicks(const std::string& name) { return FClicks[name]; }

    std::unique_ptr<TApplication> FApplication;
    std::unique_ptr<TForm> FForm;
    TFocusBox* FBox = nullptr;
    THotBitBtn* FButton = nullptr;  // "Button" at (20, 20)
    std::map<std::string, int> FClicks;
};
