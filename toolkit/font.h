#pragma once
// A logical font description and the GDI font made from it on demand.
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/color.h"
#include "toolkit/gdi_objects.h"

class TFont {
public:
    TFont() = default;
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);
    ~TFont();

    const std::wstring& Name() const { return FName; }
    int Height() const { return FHeight; }
    int Charset() const { return FCharset; }
    TColor Color() const { return FColor; }
    bool Bold() const { return FBold; }
    bool SameAs(const TFont& other) const;

    void SetName(std::wstring name);
    void SetHeight(int height);
    void SetCharset(int charset);
    void SetColor(TColor color);
    void SetBold(bool bold);

    HFONT Handle() const;  // made on first use after every change
    std::function<void()> OnChange;

private:
    void Changed();

    std::wstring FName = L"MS Sans Serif";
    int FHeight = -11;
    int FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    bool FBold = false;
    mutable TFontObject FHandle;
};
