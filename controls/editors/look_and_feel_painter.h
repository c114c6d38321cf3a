#pragma once
// Painters: objects without state that draw in one visual kind. Each kind has one painter; the
// themed painter draws with the platform's theme. Skin painters could be registered by name; the
// program registers none.
#include <windows.h>

#include <initializer_list>
#include <map>
#include <string>

#include "controls/editors/look_and_feel.h"
#include "toolkit/canvas.h"

enum class TButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };

class TLookAndFeelPainter {
public:
    virtual ~TLookAndFeelPainter() = default;
    virtual int StyleNumber() const = 0;
    // The kind the style number maps back to.
    TLookAndFeelKind Kind() const;
    virtual bool Native() const { return false; }

    virtual SIZE RadioButtonSize() const;
    // One glyph with its top-left corner at (x, y); brush clDefault leaves the background alone.
    virtual void DrawRadioButton(TCanvas& canvas, int x, int y, TButtonState state, bool checked, bool focused,
                                 TColor brush, bool designing) const;
};

class TStandardLookAndFeelPainter : public TLookAndFeelPainter {
public:
    int StyleNumber() const override { return 1; }
};
using TCustomLookAndFeelPainter = TStandardLookAndFeelPainter;

class TFlatLookAndFeelPainter : public TLookAndFeelPainter {
public:
    int StyleNumber() const override { return 0; }
};

class TUltraFlatLookAndFeelPainter : public TLookAndFeelPainter {
public:
    int StyleNumber() const override { return 2; }
};

class TOffice11LookAndFeelPainter : public TUltraFlatLookAndFeelPainter {
public:
    int StyleNumber() const override { return 4; }
};

class TWinXPLookAndFeelPainter : public TStandardLookAndFeelPainter {
public:
    int StyleNumber() const override { return 3; }
    bool Native() const override { return true; }
    SIZE RadioButtonSize() const override;
    void DrawRadioButton(TCanvas& canvas, int x, int y, TButtonState state, bool checked, bool focused, TColor brush,
                         bool designing) const override;
};

// Named skin painters; empty in this program.
class TExtendedStylePainters {
public:
    static TExtendedStylePainters& Instance();
    const TLookAndFeelPainter* Find(const std::string& name) const;
    void Register(const std::string& name, const TLookAndFeelPainter* painter);
    void Unregister(const std::string& name);

private:
    std::map<std::string, const TLookAndFeelPainter*> FPainters;
};

const TLookAndFeelPainter& FlatPainter();
const TLookAndFeelPainter& StandardPainter();
const TLookAndFeelPainter& UltraFlatPainter();
const TLookAndFeelPainter& WinXPPainter();
const TLookAndFeelPainter& Office11Painter();
const TLookAndFeelPainter& PainterOfKind(TLookAndFeelKind kind);

// Native style with themes available for the needed types gives the themed painter; else a
// registered skin (native style off); else the kind's painter.
const TLookAndFeelPainter& ChoosePainter(TLookAndFeelKind kind, bool nativeStyle, const std::string& skinName,
                                         std::initializer_list<TThemedObjectType> types);
