#pragma once
// An editor's look in one state. Every value is assigned or taken by the default rule: the base
// style's defaults come from its look and feel's kind, the other three states derive theirs from
// the base style. Only the base style owns a look and feel; the others share it.
#include <functional>
#include <memory>
#include <string>

#include "controls/editors/look_and_feel.h"
#include "toolkit/font.h"

enum class TEditBorderStyle { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };
enum class TEditStyleState { essNormal, essFocused, essDisabled, essHot };

using TBorders = unsigned;
inline constexpr TBorders bLeft = 1, bTop = 2, bRight = 4, bBottom = 8;
inline constexpr TBorders bAll = bLeft | bTop | bRight | bBottom;

// The assigned-values set, in this bit order.
using TContainerStyleValues = unsigned;
inline constexpr TContainerStyleValues svBorderColor = 1, svBorderStyle = 2, svColor = 4, svEdges = 8, svFont = 16,
                                       svHotTrack = 32, svShadow = 64, svTextColor = 128, svTextStyle = 256,
                                       svTransparentBorder = 512;

// Border width in pixels by style.
int EditBorderWidth(TEditBorderStyle style);
// The focused and hot styles' border when HotTrack is on: the base style's, raised one step.
TEditBorderStyle HotBorderStyle(TEditBorderStyle base);
TEditBorderStyle DefaultBorderStyleOf(TLookAndFeelKind kind);

class TEditStyle {
public:
    // The base style: it owns the look and feel, mastered by the shared style controller's.
    // groupType: the radio group's kind of editor, whose background defaults to the button face.
    TEditStyle(const TFont* font, bool groupType);
    // One of the three other states, deriving from base.
    TEditStyle(TEditStyle& base, TEditStyleState state);
    TEditStyle(const TEditStyle&) = delete;
    TEditStyle& operator=(const TEditStyle&) = delete;
    ~TEditStyle();

    TLookAndFeel& LookAndFeel();
    const TLookAndFeel& LookAndFeel() const;
    TContainerStyleValues AssignedValues() const { return FAssigned; }
    bool IsAssigned(TContainerStyleValues value) const { return (FAssigned & value) != 0; }

    TEditBorderStyle BorderStyle() const;
    TColor BorderColor() const;
    TColor Color() const;
    TColor TextColor() const;
    TBorders Edges() const;
    bool HotTrack() const;
    bool Shadow() const;
    bool TransparentBorder() const;

    void SetBorderStyle(TEditBorderStyle style);
    void SetBorderColor(TColor color);
    void SetColor(TColor color);
    void SetTextColor(TColor color);
    // Only the base style holds these; the other states always use the base style's.
    void SetEdges(TBorders edges);
    void SetHotTrack(bool hotTrack);
    void SetShadow(bool shadow);
    void SetTransparentBorder(bool transparent);

    // A value or the look and feel changed: the editor recomputes its view and repaints.
    std::function<void()> OnChanged;

private:
    struct TValues {
        TEditBorderStyle BorderStyle = TEditBorderStyle::ebsUltraFlat;
        TColor BorderColor = 0;
        TColor Color = 0;
        TColor TextColor = 0;
        TBorders Edges = bAll;
        bool HotTrack = true;
        bool Shadow = false;
        bool TransparentBorder = true;
    };
    template <class T>
    void Assign(T TValues::*field, T value, TContainerStyleValues flag);
    void Changed();

    TEditStyle* FBase = nullptr;
    TEditStyleState FState = TEditStyleState::essNormal;
    const TFont* FFont = nullptr;
    bool FGroupType = false;
    TValues FValues;
    TContainerStyleValues FAssigned = 0;
    std::unique_ptr<TLookAndFeel> FLookAndFeel;
};

// The look and feel of the shared default style controller: nothing assigned, mastered by the root.
TLookAndFeel& DefaultEditStyleControllerLookAndFeel();

// The four styles of an editor: Style is the base, the other three derive from it.
class TEditStyles {
public:
    TEditStyles(const TFont* font, bool groupType)
        : Style(font, groupType), StyleFocused(Style, TEditStyleState::essFocused),
          StyleDisabled(Style, TEditStyleState::essDisabled), StyleHot(Style, TEditStyleState::essHot) {}
    // Every style's change reaches one handler.
    void SetOnChanged(const std::function<void()>& changed) {
        for (TEditStyle* style : {&Style, &StyleFocused, &StyleDisabled, &StyleHot}) style->OnChanged = changed;
    }
    TEditStyle* ByName(const std::string& name) {
        if (name == "Style") return &Style;
        if (name == "StyleFocused") return &StyleFocused;
        if (name == "StyleDisabled") return &StyleDisabled;
        if (name == "StyleHot") return &StyleHot;
        return nullptr;
    }

    TEditStyle Style;
    TEditStyle StyleFocused;
    TEditStyle StyleDisabled;
    TEditStyle StyleHot;
};
