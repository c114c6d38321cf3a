#pragma once
// A windowless picture: a PNG drawn at its natural size at the top-left corner, its alpha
// blended over the parent's colour; the rest of the control shows that colour. Besides the
// picture as designed (Picture.Data) the layout may name the same picture drawn at other sizes
// (Picture.ScaledData); the one nearest to the design size at the form's pixels per inch is
// shown, unstretched.
#include <cstdint>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/control.h"
#include "toolkit/imaging/png_decoder.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner) : TGraphicControl(owner) {}

    // Raises EInvalidGraphicOperation for data that is not a valid PNG.
    void LoadPicture(const std::vector<std::uint8_t>& png);
    // The same picture drawn at another size; raises as LoadPicture.
    void AddScaledPicture(const std::vector<std::uint8_t>& png);
    bool Empty() const { return FPictures.empty() || FPictures.front().Width == 0; }
    // The width of the picture shown (0 when empty).
    int PictureWidth() const { return Empty() ? 0 : static_cast<int>(FPictures[FShown].Width); }

    void ScaleChanged() override { ChoosePicture(); }
    long AccessibleRole() const override { return ROLE_SYSTEM_GRAPHIC; }

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void Compose();
    void ChoosePicture();

    std::vector<TPngImage> FPictures;  // the design picture first
    std::size_t FShown = 0;
    TBitmap FComposed;  // the picture over FComposedOver
    TColor FComposedOver = clNone;
};
