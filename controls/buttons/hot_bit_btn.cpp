#include "controls/buttons/hot_bit_btn.h"

#include <climits>
#include <cstring>
#include <string>

#include "controls/buttons/bit_btn_kinds.h"
#include "toolkit/layout_enum.h"
#include "toolkit/exceptions.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/layout/layout_scaling.h"
#include "toolkit/image_list.h"

namespace {

const std::pair<const char*, TBitBtnKind> kKindNames[] = {
    {"bkCustom", TBitBtnKind::bkCustom}, {"bkOK", TBitBtnKind::bkOK},       {"bkCancel", TBitBtnKind::bkCancel},
    {"bkHelp", TBitBtnKind::bkHelp},     {"bkYes", TBitBtnKind::bkYes},     {"bkNo", TBitBtnKind::bkNo},
    {"bkClose", TBitBtnKind::bkClose},   {"bkAbort", TBitBtnKind::bkAbort}, {"bkRetry", TBitBtnKind::bkRetry},
    {"bkIgnore", TBitBtnKind::bkIgnore}, {"bkAll", TBitBtnKind::bkAll}};
const std::pair<const char*, TButtonLayout> kLayoutNames[] = {
    {"blGlyphLeft", TButtonLayout::blGlyphLeft}, {"blGlyphRight", TButtonLayout::blGlyphRight},
    {"blGlyphTop", TButtonLayout::blGlyphTop},   {"blGlyphBottom", TButtonLayout::blGlyphBottom}};

// A stored number the setter would refuse is an error in the layout, not a silent default.
int LayoutIntegerIn(const TLayoutProperty& property, int low, int high) {
    std::int64_t value = LayoutInteger(property);
    if (value < low || value > high)
        LayoutFail(property, std::to_string(value) + " is out of range");
    return static_cast<int>(value);
}

void CopyBitmap(const TBitmap& from, TBitmap& to) {
    to.SetSize(from.Width(), from.Height());
    if (!from.Empty())
        std::memcpy(to.Bits(), from.Bits(), sizeof(std::uint32_t) * from.Width() * from.Height());
    to.SetTransparentColor(from.TransparentColor());
}

// The colour a glyph leaves out: its own, or its bottom-left pixel's.
COLORREF LeftOutColor(const TBitmap& glyph) {
    if (glyph.TransparentColor() != clNone) return ColorToRGB(glyph.TransparentColor());
    std::uint32_t corner = glyph.Bits()[(glyph.Height() - 1) * glyph.Width()];
    return RGB(corner >> 16 & 0xFF, corner >> 8 & 0xFF, corner & 0xFF);
}

}  // namespace

THotBitBtn::THotBitBtn(TComponent* owner) : THotButton(owner) {}

THotBitBtn::~THotBitBtn() { UnhookImages(); }

void THotBitBtn::SetGlyph(const TBitmap& glyph) {
    CopyBitmap(glyph, FGlyph);
    FGlyphFromKind = false;
    // A glyph without height has no images to count.
    if (FGlyph.Height() > 0 && FGlyph.Width() % FGlyph.Height() == 0) {
        int images = FGlyph.Width() / FGlyph.Height();
        if (images >= 1) FNumGlyphs = images > 4 ? 1 : images;
    }
    Invalidate();
}

void THotBitBtn::SetNumGlyphs(int value) {
    if (value < 1 || value > 4) return;
    SetAndInvalidate(FNumGlyphs, value);
}

TBitBtnKind THotBitBtn::Kind() const {
    if (FKind == TBitBtnKind::bkCustom) return FKind;
    const TBitBtnKindInfo& info = BitBtnKindInfo(FKind);
    bool same = FGlyphFromKind && Default() == info.IsDefault && Cancel() == info.IsCancel &&
                ModalResult() == info.Result;
    return same ? FKind : TBitBtnKind::bkCustom;
}

void THotBitBtn::SetKind(TBitBtnKind kind) {
    if (kind == Kind()) return;
    FKind = kind;
    if (kind == TBitBtnKind::bkCustom) return;
    const TBitBtnKindInfo& info = BitBtnKindInfo(kind);
    SetDefault(info.IsDefault);
    SetCancel(info.IsCancel);
    SetModalResult(info.Result);
    if (!Loading() || Caption().empty()) SetCaption(info.Caption);
    BuildKindGlyph(kind, FGlyph);
    FGlyphFromKind = true;
    FNumGlyphs = 2;
    Invalidate();
}

void THotBitBtn::SetLayout(TButtonLayout value) { SetAndInvalidate(FLayout, value); }
void THotBitBtn::SetSpacing(int value) { SetAndInvalidate(FSpacing, value); }
void THotBitBtn::SetImageIndex(int value) { SetAndInvalidate(FImageIndex, value); }
void THotBitBtn::SetDisabledIndex(int value) { SetAndInvalidate(FDisabledIndex, value); }

void THotBitBtn::SetMargin(int value) {
    if (value < -1) return;
    SetAndInvalidate(FMargin, value);
}

void THotBitBtn::SetImages(TCustomImageList* images) {
    if (images == FImages) return;
    UnhookImages();
    FImages = images;
    if (FImages) FImagesListener = FImages->AddFreeListener([this] {
        FImages = nullptr;
        FImagesListener = 0;
        Invalidate();
    });
    Invalidate();
}

void THotBitBtn::UnhookImages() {
    if (FImages && FImagesListener) FImages->RemoveFreeListener(FImagesListener);
    FImages = nullptr;
    FImagesListener = 0;
}

bool THotBitBtn::ShowsListImage() const {
    return Kind() == TBitBtnKind::bkCustom && FImages && FImageIndex != -1 && FImageIndex < FImages->Count();
}

SIZE THotBitBtn::MeasureGlyph() const {
    if (ShowsListImage()) return {FImages->Width(), FImages->Height()};
    if (FGlyph.Empty()) return {0, 0};
    return {FGlyph.Width() / FNumGlyphs, FGlyph.Height()};
}

// The 4th image while latched, the 3rd while pressed, the 2nd while disabled, else the 1st.
int THotBitBtn::GlyphImage() const {
    if (FNumGlyphs == 4 && GroupIndex() != 0 && Down()) return 3;
    if (FNumGlyphs >= 3 && ShowPressed()) return 2;
    if (FNumGlyphs >= 2 && !Enabled()) return 1;
    return 0;
}

SIZE THotBitBtn::MeasureCaption() {
    TWindowDC dc(Handle());
    HGDIOBJ old = SelectObject(dc.Get(), Font().Handle());
    RECT r{0, 0, Width(), 0};
    DrawTextW(dc.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &r, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc.Get(), old);
    return {r.right - r.left, r.bottom - r.top};
}

// Margin and Spacing are stored as designed at 96 pixels per inch and scaled to the display's.
int THotBitBtn::ScaledMargin() const { return FMargin < 0 ? FMargin : ScaleToDpi(FMargin, PixelsPerInch()); }
int THotBitBtn::ScaledSpacing() const { return ScaleToDpi(FSpacing, PixelsPerInch()); }

// Margin pixels from the caption area's edge on the layout's side; a Margin of -1 centres the
// picture and the caption together instead.
TRect THotBitBtn::ComputeGlyphRect(const TRect& area) {
    SIZE g = MeasureGlyph();
    const int margin = ScaledMargin(), spacing = ScaledSpacing();
    bool across = FLayout == TButtonLayout::blGlyphLeft || FLayout == TButtonLayout::blGlyphRight;
    int x = (area.Left + area.Right - g.cx) / 2, y = (area.Top + area.Bottom - g.cy) / 2;
    if (margin >= 0) {
        switch (FLayout) {
        case TButtonLayout::blGlyphLeft: x = area.Left + margin; break;
        case TButtonLayout::blGlyphRight: x = area.Right - margin - g.cx; break;
        case TButtonLayout::blGlyphTop: y = area.Top + margin; break;
        case TButtonLayout::blGlyphBottom: y = area.Bottom - margin - g.cy; break;
        }
    } else {
        SIZE text = MeasureCaption();
        int total = (across ? g.cx + text.cx : g.cy + text.cy) + spacing;
        int start = across ? (area.Left + area.Right - total) / 2 : (area.Top + area.Bottom - total) / 2;
        switch (FLayout) {
        case TButtonLayout::blGlyphLeft: x = start; break;
        case TButtonLayout::blGlyphRight: x = start + total - g.cx; break;
        case TButtonLayout::blGlyphTop: y = start; break;
        case TButtonLayout::blGlyphBottom: y = start + total - g.cy; break;
        }
    }
    return {x, y, x + g.cx, y + g.cy};
}

TRect THotBitBtn::ComputeCaptionRect() {
    TRect r = THotButton::ComputeCaptionRect();
    SIZE g = MeasureGlyph();
    if (g.cx == 0 || g.cy == 0) return r;  // no picture, no room for one
    TRect glyph = ComputeGlyphRect(r);
    const int spacing = ScaledSpacing();
    switch (FLayout) {
    case TButtonLayout::blGlyphLeft: r.Left = glyph.Right + spacing; break;
    case TButtonLayout::blGlyphRight: r.Right = glyph.Left - spacing; break;
    case TButtonLayout::blGlyphTop: r.Top = glyph.Bottom + spacing; break;
    case TButtonLayout::blGlyphBottom: r.Bottom = glyph.Top - spacing; break;
    }
    return r;
}

void THotBitBtn::RenderCaption(TCanvas& canvas, const THotButtonView& view) {
    THotButton::RenderCaption(canvas, view);
    SIZE g = MeasureGlyph();
    if (g.cx == 0 || g.cy == 0) return;
    TRect glyph = ComputeGlyphRect(THotButton::ComputeCaptionRect());
    if (ShowsListImage())
        RenderListImage(canvas, glyph);
    else
        RenderGlyph(canvas, glyph);
}

void THotBitBtn::RenderListImage(TCanvas& canvas, const TRect& r) {
    bool useDisabled = !Enabled() && FDisabledIndex != -1;
    FImages->Draw(canvas.Handle(), r.Left, r.Top, useDisabled ? FDisabledIndex : FImageIndex,
                  Enabled() || useDisabled);
}

void THotBitBtn::RenderGlyph(TCanvas& canvas, const TRect& r) {
    int w = r.Width(), h = r.Height();
    TransparentBlt(canvas.Handle(), r.Left, r.Top, w, h, FGlyph.Canvas().Handle(), GlyphImage() * w, 0, w, h,
                   LeftOutColor(FGlyph));
}

bool THotBitBtn::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Glyph.Data") {
        auto resource = std::get_if<TLayoutResource>(&p.Value);
        if (!resource) LayoutFail(p, "a glyph is a resource holding a BMP file");
        TBitmap glyph;
        glyph.LoadFromBMP(context.Resource(resource->Name));
        SetGlyph(glyph);
    } else if (n == "NumGlyphs") SetNumGlyphs(LayoutIntegerIn(p, 1, 4));
    else if (n == "Kind") SetKind(LayoutEnum(p, kKindNames));
    else if (n == "Layout") SetLayout(LayoutEnum(p, kLayoutNames));
    else if (n == "Margin") SetMargin(LayoutIntegerIn(p, -1, INT_MAX));
    else if (n == "Spacing") SetSpacing(static_cast<int>(LayoutInteger(p)));
    else if (n == "Images") FImagesName = LayoutIdentifier(p);
    else if (n == "ImageIndex") SetImageIndex(static_cast<int>(LayoutInteger(p)));
    else if (n == "DisabledIndex") SetDisabledIndex(static_cast<int>(LayoutInteger(p)));
    else return THotButton::SetProperty(p, context);
    return true;
}

void THotBitBtn::Loaded() {
    THotButton::Loaded();
    if (FImagesName.empty() || !Owner()) return;
    auto images = dynamic_cast<TCustomImageList*>(Owner()->FindComponent(FImagesName));
    if (!images) throw Exception("The layout names no image list " + FImagesName);
    SetImages(images);
}
