#include "toolkit/image.h"

#include "toolkit/exceptions.h"
#include "toolkit/imaging/alpha_blend.h"
#include "toolkit/layout/layout_scaling.h"

void TImage::LoadPicture(const std::vector<std::uint8_t>& png) {
    TPngImage picture = DecodePng(png);
    FPictures.clear();
    FPictures.push_back(std::move(picture));
    FShown = 0;
    FComposedOver = clNone;
    ChoosePicture();
    Invalidate();
}

void TImage::AddScaledPicture(const std::vector<std::uint8_t>& png) {
    if (FPictures.empty()) throw Exception("A scaled picture needs the picture as designed first");
    FPictures.push_back(DecodePng(png));
    ChoosePicture();
}

void TImage::ChoosePicture() {
    if (FPictures.empty()) return;
    std::vector<int> widths;
    for (const TPngImage& picture : FPictures) widths.push_back(static_cast<int>(picture.Width));
    std::size_t chosen = PictureForDpi(widths, PixelsPerInch());
    if (chosen == FShown) return;
    FShown = chosen;
    FComposedOver = clNone;
    Invalidate();
}

// The blend is done once per background colour, not at every paint.
void TImage::Compose() {
    COLORREF background = ColorToRGB(Color());
    if (FComposedOver == background && !FComposed.Empty()) return;
    TRgb over{GetRValue(background), GetGValue(background), GetBValue(background)};
    TPngImage blended = BlendOverBackground(FPictures[FShown], over);
    FComposed.SetSize(static_cast<int>(blended.Width), static_cast<int>(blended.Height));
    std::uint32_t* bits = FComposed.Bits();
    for (std::size_t i = 0; i < std::size_t{blended.Width} * blended.Height; ++i) {
        const std::uint8_t* p = &blended.Pixels[i * 4];
        bits[i] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
    FComposedOver = background;
}

void TImage::Paint(TCanvas& canvas) {
    canvas.FillRect(ClientRect(), Color());
    if (Empty()) return;
    Compose();
    FComposed.StretchDraw(canvas, {0, 0, FComposed.Width(), FComposed.Height()});
}

bool TImage::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    if (p.Name == "Picture.Data") {
        const auto* resource = std::get_if<TLayoutResource>(&p.Value);
        if (!resource) LayoutFail(p, "resource expected");
        LoadPicture(context.Resource(resource->Name));
    } else if (p.Name == "Picture.ScaledData") {
        if (Empty()) LayoutFail(p, "Picture.Data must come first");
        for (const std::string& name : LayoutStrings(p)) AddScaledPicture(context.Resource(name));
    } else if (p.Name == "AutoSize" || p.Name == "Stretch" || p.Name == "Center") {
        // The picture is always drawn unscaled at the top-left; refuse settings that say otherwise.
        if (LayoutBoolean(p)) LayoutFail(p, "only False is supported");
    } else {
        return TGraphicControl::SetProperty(p, context);
    }
    return true;
}
