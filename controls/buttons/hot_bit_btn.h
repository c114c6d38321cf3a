#pragma once
// The command button with a picture beside its caption: a glyph cut into NumGlyphs images
// (normal, disabled, pressed, latched), or an image of an image list; predefined kinds bring
// their caption, glyph, modal result and Default or Cancel.
#include "controls/buttons/hot_button.h"
#include "toolkit/bitmap.h"

class TCustomImageList;

class THotBitBtn : public THotButton {
public:
    explicit THotBitBtn(TComponent* owner);
    ~THotBitBtn() override;

    const TBitmap& Glyph() const { return FGlyph; }
    // Copies glyph; when its width is a whole multiple n of its height, NumGlyphs becomes n
    // (1 above 4).
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);  // 1 to 4; other values are refused
    // bkCustom again once Default, Cancel, ModalResult or the glyph differ from the kind's.
    TBitBtnKind Kind() const;
    void SetKind(TBitBtnKind kind);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);  // below -1 refused
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* images);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int DisabledIndex() const { return FDisabledIndex; }
    void SetDisabledIndex(int value);

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    void Loaded() override;

protected:
    TRect ComputeCaptionRect() override;
    void RenderCaption(TCanvas& canvas, const THotButtonView& view) override;
    // Size of one picture; 0 x 0 when there is none.
    virtual SIZE MeasureGlyph() const;
    virtual TRect ComputeGlyphRect(const TRect& captionArea);
    virtual void RenderListImage(TCanvas& canvas, const TRect& r);
    virtual void RenderGlyph(TCanvas& canvas, const TRect& r);

private:
    int ScaledMargin() const;
    int ScaledSpacing() const;
    bool ShowsListImage() const;
    int GlyphImage() const;
    // The caption's measured size in the button's font (for a negative Margin).
    SIZE MeasureCaption();
    void UnhookImages();

    TBitmap FGlyph;
    int FNumGlyphs = 1;
    TBitBtnKind FKind = TBitBtnKind::bkCustom;
    bool FGlyphFromKind = false;
    TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
    int FMargin = 2;
    int FSpacing = 4;
    TCustomImageList* FImages = nullptr;
    int FImagesListener = 0;
    std::string FImagesName;  // named by the layout, found once it has been read
    int FImageIndex = -1;
    int FDisabledIndex = -1;
};
