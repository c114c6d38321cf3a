#pragma once
// Horizontal text alignment, shared by the controls that place a caption or text, with the names
// a layout stores it by.
#include <utility>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

inline constexpr std::pair<const char*, TAlignment> kAlignmentNames[] = {
    {"taLeftJustify", TAlignment::taLeftJustify},
    {"taRightJustify", TAlignment::taRightJustify},
    {"taCenter", TAlignment::taCenter}};
