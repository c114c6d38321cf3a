#include "toolkit/font.h"

TFont::TFont(const TFont& other)
    : FName(other.FName), FHeight(other.FHeight), FCharset(other.FCharset),
      FColor(other.FColor), FBold(other.FBold) {}

// Canvases take their control's font before every paint: an equal font keeps its handle, so
// painting does not make a new GDI font each time.
TFont& TFont::operator=(const TFont& other) {
    if (this == &other || SameAs(other)) return *this;
    FName = other.FName;
    FHeight = other.FHeight;
    FCharset = other.FCharset;
    FColor = other.FColor;
    FBold = other.FBold;
    Changed();
    return *this;
}

TFont::~TFont() = default;

bool TFont::SameAs(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FCharset == other.FCharset &&
           FColor == other.FColor && FBold == other.FBold;
}

void TFont::SetName(std::wstring name) {
    if (name == FName) return;
    FName = std::move(name);
    Changed();
}
void TFont::SetHeight(int height) {
    if (height == FHeight) return;
    FHeight = height;
    Changed();
}
void TFont::SetCharset(int charset) {
    if (charset == FCharset) return;
    FCharset = charset;
    Changed();
}
void TFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed();
}
void TFont::SetBold(bool bold) {
    if (bold == FBold) return;
    FBold = bold;
    Changed();
}

HFONT TFont::Handle() const {
    if (!FHandle) {
        LOGFONTW font{};
        font.lfHeight = FHeight;
        font.lfWeight = FBold ? FW_BOLD : FW_NORMAL;
        font.lfCharSet = static_cast<BYTE>(FCharset);
        font.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(font.lfFaceName, FName.c_str(), LF_FACESIZE);
        FHandle.Reset(CreateFontIndirectW(&font));
    }
    return FHandle.Get();
}

void TFont::Changed() {
    FHandle.Reset();
    if (OnChange) OnChange();
}
