#pragma once
// The styles' and their look and feel's published values as a layout stores them
// ("StyleHot.LookAndFeel.NativeStyle", "Style.BorderStyle", ...). Fonts are the control's own.
#include "controls/editors/edit_style.h"
#include "toolkit/component.h"

// True when the property named a style value and was applied; unknown values are refused.
bool ApplyEditStyleProperty(TEditStyles& styles, const TLayoutProperty& property);
