#pragma once
// A windowless picture: a PNG drawn at its natural size at the top-left corner, its alpha
// blended over the parent's colour; the rest of the control shows that colour.
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
    bool Empty() const { return FPicture.Width == 0; }

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void Compose();

    TPngImage FPicture;
    TBitmap FComposed;  // the picture over FComposedOver
    TColor FComposedOver = clNone;
};
