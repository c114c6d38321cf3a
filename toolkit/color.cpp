#include "toolkit/color.h"

#include <array>
#include <utility>

COLORREF ColorToRGB(TColor color) {
    if ((color & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

std::optional<TColor> ColorFromName(const std::string& name) {
    static const std::array<std::pair<const char*, TColor>, 14> names{{
        {"clBtnFace", clBtnFace},         {"clBtnShadow", clBtnShadow},
        {"clBtnHighlight", clBtnHighlight}, {"clBtnText", clBtnText},
        {"cl3DDkShadow", cl3DDkShadow},   {"cl3DLight", cl3DLight},
        {"clWindow", clWindow},           {"clWindowText", clWindowText},
        {"clHighlight", clHighlight},     {"clGrayText", clGrayText},
        {"clWhite", clWhite},             {"clBlack", clBlack},
        {"clNone", clNone},               {"clDefault", clDefault},
    }};
    for (const auto& [known, value] : names)
        if (name == known) return value;
    return std::nullopt;
}
