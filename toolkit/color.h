#pragma once
// System colours and their resolution to RGB before any arithmetic or drawing.
#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/color_value.h"

constexpr TColor SystemColor(int index) { return 0xFF000000u | static_cast<TColor>(index); }

inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
inline constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
inline constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
inline constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
inline constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
inline constexpr TColor clWhite = MakeRGB(255, 255, 255);
inline constexpr TColor clBlack = MakeRGB(0, 0, 0);

// The RGB value as a COLORREF: system colours looked up now, palette flags dropped.
COLORREF ColorToRGB(TColor color);

// Colour names as a layout writes them (clBtnFace, clWhite, ...).
std::optional<TColor> ColorFromName(const std::string& name);
