#pragma once
// The radio group: one radio button window per item, one column. ItemIndex is the checked
// item (-1 none); Properties.OnChange fires once per change of the checked item, never while
// the layout is being read. Only the checked button is a tab stop; arrow keys move and check.
#include <string>
#include <vector>

#include "toolkit/win_control.h"

class TRadioGroup;

class TRadioItem : public TCustomControl {
public:
    TRadioItem(TRadioGroup* group, int index, std::wstring caption);

    int Index() const { return FIndex; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    const std::wstring& Caption() const { return FCaption; }

    bool WantsKey(UINT key) const override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(TCanvas& canvas) override;
    void MouseUp(int x, int y) override;
    void MouseDown(int x, int y) override;

private:
    TRadioGroup* FGroup;
    int FIndex;
    std::wstring FCaption;
    bool FChecked = false;

public:
    long AccessibleRole() const override { return ROLE_SYSTEM_RADIOBUTTON; }
    std::wstring AccessibleName() const override { return FCaption; }
    long AccessibleState() const override {
        return TCustomControl::AccessibleState() | (FChecked ? STATE_SYSTEM_CHECKED : 0);
    }
};

class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);

    int ItemIndex() const;
    // Limited to -1 .. count - 1; while loading the value waits until the layout is read.
    void SetItemIndex(int index);
    int ItemCount() const { return static_cast<int>(FItems.size()); }
    TRadioItem* Item(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    void SetItems(const std::vector<std::wstring>& captions);

    TNotifyEvent OnChange;  // Properties.OnChange

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    void Loaded() override;

    // From the buttons: a click or Space on an item, an arrow key on the focused item.
    void ItemChosen(int index);
    void MoveChoice(int from, int step);

protected:
    void BoundsChanged() override;
    void EnabledChanged() override;

private:
    void ArrangeItems();
    void UpdateTabStops();

    std::vector<TRadioItem*> FItems;
    int FPendingIndex = -1;

public:
    long AccessibleRole() const override { return ROLE_SYSTEM_GROUPING; }
};
