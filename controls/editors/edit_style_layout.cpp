#include "controls/editors/edit_style_layout.h"

#include <array>
#include <utility>

#include "toolkit/control.h"

namespace {

template <class T, std::size_t N>
T FromName(const TLayoutProperty& p, const std::array<std::pair<const char*, T>, N>& names) {
    const std::string& name = LayoutIdentifier(p);
    for (const auto& [text, value] : names)
        if (name == text) return value;
    LayoutFail(p, "unknown value " + name);
}

constexpr std::array<std::pair<const char*, TLookAndFeelKind>, 4> kKinds{{{"lfFlat", TLookAndFeelKind::lfFlat},
    {"lfStandard", TLookAndFeelKind::lfStandard}, {"lfUltraFlat", TLookAndFeelKind::lfUltraFlat},
    {"lfOffice11", TLookAndFeelKind::lfOffice11}}};

constexpr std::array<std::pair<const char*, TEditBorderStyle>, 7> kBorders{{{"ebsNone", TEditBorderStyle::ebsNone},
    {"ebsSingle", TEditBorderStyle::ebsSingle}, {"ebsThick", TEditBorderStyle::ebsThick},
    {"ebsFlat", TEditBorderStyle::ebsFlat}, {"ebs3D", TEditBorderStyle::ebs3D},
    {"ebsUltraFlat", TEditBorderStyle::ebsUltraFlat}, {"ebsOffice11", TEditBorderStyle::ebsOffice11}}};

bool ApplyLookAndFeel(TLookAndFeel& lookAndFeel, const std::string& value, const TLayoutProperty& p) {
    if (value == "NativeStyle") lookAndFeel.SetNativeStyle(LayoutBoolean(p));
    else if (value == "Kind") lookAndFeel.SetKind(LayoutLookAndFeelKind(p));
    else if (value == "SkinName") lookAndFeel.SetSkinName(LayoutString(p));
    else return false;
    return true;
}

TBorders EdgesOf(const TLayoutProperty& p) {
    TBorders edges = 0;
    if (LayoutSetHas(p, "bLeft")) edges |= bLeft;
    if (LayoutSetHas(p, "bTop")) edges |= bTop;
    if (LayoutSetHas(p, "bRight")) edges |= bRight;
    if (LayoutSetHas(p, "bBottom")) edges |= bBottom;
    return edges;
}

}  // namespace

TLookAndFeelKind LayoutLookAndFeelKind(const TLayoutProperty& property) { return FromName(property, kKinds); }

bool ApplyEditStyleProperty(TEditStyles& styles, const TLayoutProperty& p) {
    std::size_t dot = p.Name.find('.');
    if (dot == std::string::npos) return false;
    TEditStyle* style = styles.ByName(p.Name.substr(0, dot));
    if (!style) return false;
    std::string value = p.Name.substr(dot + 1);
    if (value.rfind("LookAndFeel.", 0) == 0) return ApplyLookAndFeel(style->LookAndFeel(), value.substr(12), p);
    if (value == "BorderStyle") style->SetBorderStyle(FromName(p, kBorders));
    else if (value == "BorderColor") style->SetBorderColor(LayoutColor(p));
    else if (value == "Color") style->SetColor(LayoutColor(p));
    else if (value == "TextColor") style->SetTextColor(LayoutColor(p));
    else if (value == "Edges") style->SetEdges(EdgesOf(p));
    else if (value == "HotTrack") style->SetHotTrack(LayoutBoolean(p));
    else if (value == "Shadow") style->SetShadow(LayoutBoolean(p));
    else if (value == "TransparentBorder") style->SetTransparentBorder(LayoutBoolean(p));
    else if (value == "IsFontAssigned") (void)LayoutBoolean(p);  // the control keeps its stored font either way
    else return false;
    return true;
}
