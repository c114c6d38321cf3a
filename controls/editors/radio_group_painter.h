#pragma once
// Pixel work for the radio group itself: its background (the parent's image when transparent),
// its frame by border style, and its caption over the frame line.
#include <functional>
#include <string>

#include "controls/editors/radio_group.h"

// background: paints the parent's image into the group's device context.
void PaintRadioGroup(TCanvas& canvas, const TRadioGroupViewInfo& view, const std::wstring& caption,
                     const std::function<void(HDC)>& background);
