#include "toolkit/image.h"

#include "toolkit/imaging/alpha_blend.h"

void TImage::LoadPicture(const std::vector<std::uint8_t>& png) {
    FPicture = DecodePng(png);
    FComposedOver = clNone;
    Invalidate();
}

// The blend is done once per background colour, not at every paint.
void TImage::Compose() {
    COLORREF background = ColorToRGB(Color());
    if (FComposedOver == background && !FComposed.Empty()) return;
    TRgb over{GetRValue(background), GetGValue(background), GetBValue(background)};
    TPngImage blended = BlendOverBackground(FPicture, over);
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
    } else if (p.Name == "AutoSize" || p.Name == "Stretch" || p.Name == "Center") {
        // The picture is always drawn unscaled at the top-left; refuse settings that say otherwise.
        if (LayoutBoolean(p)) LayoutFail(p, "only False is supported");
    } else {
        return TGraphicControl::SetProperty(p, context);
    }
    return true;
}
