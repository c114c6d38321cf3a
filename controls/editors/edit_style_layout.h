#pragma once
// The styles' and their look and feel's published values as a layout stores them
// ("StyleHot.LookAndFeel.NativeStyle", "Style.BorderStyle", ...). Fonts are the control's own.
#include "controls/editors/edit_style.h"
#include "toolkit/component.h"

// A look-and-feel kind as a layout names it (lfFlat, ...); another name is refused.
TLookAndFeelKind LayoutLookAndFeelKind(const TLayoutProperty& property);
// True when the property named a style value and was applied; unknown values are refused.
bool ApplyEditStyleProperty(TEditStyles& styles, const TLayoutProperty& property);
