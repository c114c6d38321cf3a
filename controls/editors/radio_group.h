#pragma once
// The radio group: one radio button window per item, laid out in columns and rows. ItemIndex is
// the checked item (-1 none); Properties.OnChange fires once per change of the checked item, by
// the user or the program, never while the layout is being read. Only the checked button is a
// tab stop; the arrow keys move the focus around the buttons, and a focused button checks itself.
#include <optional>
#include <string>
#include <vector>

#include "controls/editors/edit_view.h"
#include "controls/editors/radio_button.h"
#include "controls/editors/radio_group_layout.h"
#include "toolkit/win_control.h"

struct TRadioGroupItem {
    std::wstring Caption;
    std::optional<std::wstring> Value;  // none: the caption stands for the item
    int Tag = 0;
};

struct TRadioGroupViewInfo {
    TEditViewInfo Edit;  // state, colours, border
    TEditExtents Extents;  // with the caption's room
    std::vector<TRect> Buttons;
    TRect Region;  // the window's region: the bounds less the transparent border away from the caption
    bool operator==(const TRadioGroupViewInfo&) const = default;
};

class TRadioGroup : public TCustomControl {
public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    int ItemIndex() const;
    // Limited to -1 .. count - 1; while loading the value waits until the layout is read.
    void SetItemIndex(int index);
    int ItemCount() const { return static_cast<int>(FButtons.size()); }
    TCustomRadioGroupButton* Item(int index) const { return FButtons.at(static_cast<std::size_t>(index)); }
    void SetItems(const std::vector<TRadioGroupItem>& items);
    void SetItems(const std::vector<std::wstring>& captions);
    const std::vector<TRadioGroupItem>& Items() const { return FItems; }

    int Columns() const { return FColumns; }
    void SetColumns(int columns);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
    std::optional<std::wstring> DefaultValue;
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    const std::wstring& Caption() const { return FCaption; }
    void SetCaption(std::wstring caption);
    bool GroupTabStop() const { return FTabStopWanted; }
    void SetGroupTabStop(bool stop);

    TEditStyle& Style() { return FStyles.Style; }
    const TRadioGroupViewInfo& ViewInfo() const { return FView; }

    TNotifyEvent OnChange;  // Properties.OnChange

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    void Loaded() override;
    // The checked button when it can take the focus, else the group's own window.
    HWND FocusWindow() override;
    long AccessibleRole() const override { return ROLE_SYSTEM_GROUPING; }

    // From the buttons.
    void ButtonClicked(int index);
    void ButtonFocused(int index);
    void MoveFocus(int from, int step);
    // Paints what lies under a button (dc's origin at the button's top-left).
    void PaintImageUnder(TCustomRadioGroupButton& button, HDC dc);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateWnd() override;
    void Paint(TCanvas& canvas) override;
    void BoundsChanged() override;
    void EnabledChanged() override;

private:
    void UpdateView();
    void SyncButtons();
    void PaintBackgroundInto(HDC dc);
    void ChooseByUser(int index);
    // Checks the item matching the edit value; marks a change when the checked button changed.
    void ApplyIndex(int index);
    void LockChange() { ++FChangeLock; }
    void UnlockChange(bool fire);
    int CaptionTextHeight() const;

    TEditStyles FStyles;
    std::vector<TRadioGroupItem> FItems;
    std::vector<TCustomRadioGroupButton*> FButtons;
    TRadioGroupViewInfo FView;
    bool FViewComputed = false;
    std::wstring FCaption;
    TCaptionAlignment FAlignment = TCaptionAlignment::alTopLeft;
    int FColumns = 1;
    bool FReadOnly = false;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FTabStopWanted = true;
    int FPendingIndex = -1;
    std::optional<std::wstring> FEditValue;
    int FChangeLock = 0;
    bool FChangePending = false;
};
