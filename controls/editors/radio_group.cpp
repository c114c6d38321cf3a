#include "controls/editors/radio_group.h"

#include <algorithm>

#include "controls/editors/edit_style_layout.h"
#include "controls/editors/parent_image.h"
#include "controls/editors/radio_group_painter.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/form.h"
#include "toolkit/strings.h"

namespace {

// The buttons' kind follows the group's border style.
TLookAndFeelKind ButtonKindOf(TEditBorderStyle border) {
    switch (border) {
    case TEditBorderStyle::ebsUltraFlat: return TLookAndFeelKind::lfUltraFlat;
    case TEditBorderStyle::ebsOffice11: return TLookAndFeelKind::lfOffice11;
    case TEditBorderStyle::ebsSingle:
    case TEditBorderStyle::ebsThick:
    case TEditBorderStyle::ebsFlat: return TLookAndFeelKind::lfFlat;
    default: return TLookAndFeelKind::lfStandard;
    }
}

// The group's window keeps its full extent on the caption's side only.
TRect GroupRegion(int width, int height, TCaptionAlignment alignment) {
    TRect r{2, 2, width - 2, height - 2};
    switch (alignment) {
    case TCaptionAlignment::alTopLeft:
    case TCaptionAlignment::alTopCenter:
    case TCaptionAlignment::alTopRight: r.Top = 0; break;
    case TCaptionAlignment::alBottomLeft:
    case TCaptionAlignment::alBottomCenter:
    case TCaptionAlignment::alBottomRight: r.Bottom = height; break;
    case TCaptionAlignment::alLeftTop:
    case TCaptionAlignment::alLeftCenter:
    case TCaptionAlignment::alLeftBottom: r.Left = 0; break;
    case TCaptionAlignment::alRightTop:
    case TCaptionAlignment::alRightCenter:
    case TCaptionAlignment::alRightBottom: r.Right = width; break;
    case TCaptionAlignment::alCenterCenter: break;
    }
    return r;
}

constexpr const char* kAlignments[] = {"alTopLeft", "alTopCenter", "alTopRight", "alBottomLeft", "alBottomCenter",
                                       "alBottomRight", "alLeftTop", "alLeftCenter", "alLeftBottom", "alRightTop",
                                       "alRightCenter", "alRightBottom", "alCenterCenter"};

}  // namespace

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomControl(owner), FStyles(&Font(), true) {
    SetBounds(0, 0, 185, 105);
    FStyles.SetOnChanged([this] { UpdateView(); });
}

TRadioGroup::~TRadioGroup() {
    FStyles.SetOnChanged({});
    // The buttons' looks take the group's as master: they go first.
    for (TCustomRadioGroupButton* button : FButtons) delete button;
    FButtons.clear();
}

int TRadioGroup::ItemIndex() const {
    if (Loading()) return FPendingIndex;
    auto checked = std::find_if(FButtons.begin(), FButtons.end(), [](auto* b) { return b->Checked(); });
    return checked == FButtons.end() ? -1 : static_cast<int>(checked - FButtons.begin());
}

void TRadioGroup::SetItemIndex(int index) {
    // While loading the items may not be read yet: the value waits until they are.
    if (Loading()) {
        FPendingIndex = index;
        return;
    }
    LockChange();
    ApplyIndex(std::clamp(index, -1, ItemCount() - 1));
    UnlockChange(true);
}

void TRadioGroup::ApplyIndex(int index) {
    if (index >= 0) {
        const TRadioGroupItem& item = FItems[static_cast<std::size_t>(index)];
        FEditValue = item.Value.value_or(item.Caption);
    } else {
        FEditValue = DefaultValue;
    }
    // The value is matched back to an item: equal captions check the first of them.
    int matching = -1;
    if (FEditValue) {
        for (int i = 0; i < ItemCount() && matching < 0; ++i) {
            const TRadioGroupItem& item = FItems[static_cast<std::size_t>(i)];
            if (item.Value ? *item.Value == *FEditValue : item.Caption == *FEditValue) matching = i;
        }
    }
    if (matching == ItemIndex()) return;
    for (int i = 0; i < ItemCount(); ++i) Item(i)->SetChecked(i == matching);
    HWND focus = GetFocus();
    if (matching >= 0 && Focused() && focus != Handle()) Item(matching)->SetFocus();
    FChangePending = true;
}

void TRadioGroup::UnlockChange(bool fire) {
    if (--FChangeLock > 0) return;
    bool pending = FChangePending;
    FChangePending = false;
    if (fire && pending && OnChange) OnChange(this);
    Invalidate();
}

void TRadioGroup::Loaded() {
    TCustomControl::Loaded();
    LockChange();
    FEditValue = DefaultValue;
    ApplyIndex(std::clamp(FPendingIndex, -1, ItemCount() - 1));
    UnlockChange(false);  // the designed value announces nothing
    UpdateView();
}

void TRadioGroup::SetItems(const std::vector<std::wstring>& captions) {
    std::vector<TRadioGroupItem> items;
    for (const std::wstring& caption : captions) items.push_back(TRadioGroupItem{caption, std::nullopt, 0});
    SetItems(items);
}

void TRadioGroup::SetItems(const std::vector<TRadioGroupItem>& items) {
    int checked = ItemIndex();
    FItems = items;
    while (ItemCount() > static_cast<int>(FItems.size())) {
        delete FButtons.back();
        FButtons.pop_back();
    }
    while (ItemCount() < static_cast<int>(FItems.size()))
        FButtons.push_back(new TCustomRadioGroupButton(this, ItemCount(), L""));
    for (int i = 0; i < ItemCount(); ++i) {
        Item(i)->SetCaption(FItems[static_cast<std::size_t>(i)].Caption);
        Item(i)->SetWordWrap(FWordWrap);
        Item(i)->SetTabOrder(i);
        Item(i)->SetEnabled(Enabled());
    }
    if (!Loading()) {
        LockChange();
        ApplyIndex(std::clamp(checked, -1, ItemCount() - 1));
        UnlockChange(true);
    }
    FViewComputed = false;
    UpdateView();
}

void TRadioGroup::SetColumns(int columns) {
    if (columns == FColumns) return;
    FColumns = columns;
    UpdateView();
}

void TRadioGroup::SetWordWrap(bool wordWrap) {
    if (wordWrap == FWordWrap) return;
    FWordWrap = wordWrap;
    for (TCustomRadioGroupButton* button : FButtons) button->SetWordWrap(wordWrap);
}

void TRadioGroup::SetTransparent(bool transparent) {
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    FViewComputed = false;
    UpdateView();
}

void TRadioGroup::SetCaption(std::wstring caption) {
    if (caption == FCaption) return;
    FCaption = std::move(caption);
    Invalidate();
}

void TRadioGroup::SetGroupTabStop(bool stop) {
    FTabStopWanted = stop;
    for (TCustomRadioGroupButton* button : FButtons) button->SetChecked(button->Checked());
}

int TRadioGroup::CaptionTextHeight() const {
    return MeasureText(Font(), L"Qq").cy;
}

// Computed once when loading ends, not for every property read.
void TRadioGroup::UpdateView() {
    if (Loading()) return;
    TEditViewOptions options;
    options.Transparent = FTransparent;
    options.TextEditor = false;
    options.NativeAvailable = FStyles.Style.LookAndFeel().PainterFor({TThemedObjectType::totButton}).Native();
    TRadioGroupViewInfo view;
    TRect bounds{0, 0, Width(), Height()};
    view.Edit = CalculateEditView(FStyles, EditStates(Enabled(), false, false), bounds, options);
    view.Extents = RadioGroupExtents(view.Edit.Extents, FAlignment, CaptionTextHeight());
    view.Buttons = RadioGroupButtonRects(ItemCount(), FColumns, Width(), Height(), view.Extents);
    view.Region = GroupRegion(Width(), Height(), FAlignment);
    bool regionChanged = !FViewComputed || view.Region != FView.Region;
    bool changed = !FViewComputed || !(view == FView);
    FView = view;
    FViewComputed = true;
    SyncButtons();
    if (!changed) return;
    if (HandleAllocated() && regionChanged) {
        const TRect& r = FView.Region;
        TRegionObject region(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        SetWindowRgn(Handle(), region.ReleaseToSystem(), TRUE);
    }
    Invalidate();
}

// The buttons follow the group: place, colours, font, kind, transparency and enabled state.
void TRadioGroup::SyncButtons() {
    const TEditStyle& active = Enabled() ? FStyles.Style : FStyles.StyleDisabled;
    TLookAndFeelKind kind = ButtonKindOf(FStyles.Style.BorderStyle());
    for (int i = 0; i < ItemCount(); ++i) {
        TCustomRadioGroupButton* button = Item(i);
        const TRect& r = FView.Buttons[static_cast<std::size_t>(i)];
        button->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        if (!button->Font().SameAs(Font())) {
            button->Font() = Font();
            button->Invalidate();
        }
        button->SetColors(active.Color(), active.TextColor());
        button->LookAndFeel().SetKind(kind);
        button->SetTransparent(FTransparent);
        button->SetEnabled(Enabled());
    }
}

void TRadioGroup::ChooseByUser(int index) {
    if (FReadOnly || index < 0 || index >= ItemCount() || Item(index)->Checked()) return;
    LockChange();
    ApplyIndex(index);
    UnlockChange(true);
}

void TRadioGroup::ButtonClicked(int index) { ChooseByUser(index); }

// A button that receives the focus while unchecked checks itself.
void TRadioGroup::ButtonFocused(int index) { ChooseByUser(index); }

void TRadioGroup::MoveFocus(int from, int step) {
    for (int n = 1; n <= ItemCount(); ++n) {
        int next = ((from + step * n) % ItemCount() + ItemCount()) % ItemCount();
        if (Item(next)->CanFocus()) {
            Item(next)->SetFocus();
            return;
        }
    }
}

HWND TRadioGroup::FocusWindow() {
    int checked = ItemIndex();
    if (checked >= 0 && Item(checked)->CanFocus()) return Item(checked)->Handle();
    return Handle();
}

void TRadioGroup::PaintBackgroundInto(HDC dc) {
    if (FTransparent) PaintParentImage(*this, dc);
    else {
        TCanvas canvas;
        TCanvasBinding binding(canvas, dc);
        canvas.FillRect(TRect{0, 0, Width(), Height()}, FView.Edit.BackgroundColor);
    }
}

void TRadioGroup::PaintImageUnder(TCustomRadioGroupButton& button, HDC dc) {
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -button.Left(), -button.Top(), nullptr);
    PaintBackgroundInto(dc);
    RestoreDC(dc, saved);
}

void TRadioGroup::Paint(TCanvas& canvas) {
    if (!FViewComputed) UpdateView();
    PaintRadioGroup(canvas, FView, FCaption, [this](HDC dc) { PaintBackgroundInto(dc); });
}

LRESULT TRadioGroup::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;  // everything is painted in one pass
    return TCustomControl::WndProc(message, wParam, lParam);
}

void TRadioGroup::CreateWnd() {
    FViewComputed = false;
    TCustomControl::CreateWnd();
    UpdateView();
}

void TRadioGroup::BoundsChanged() {
    TCustomControl::BoundsChanged();
    UpdateView();
}

void TRadioGroup::EnabledChanged() {
    TCustomControl::EnabledChanged();
    FViewComputed = false;
    UpdateView();
}

bool TRadioGroup::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "ItemIndex") SetItemIndex(static_cast<int>(LayoutInteger(p)));
    else if (n == "Properties.Items") {
        std::vector<std::wstring> captions;
        for (const std::string& item : LayoutStrings(p)) captions.push_back(Utf8ToWide(item));
        SetItems(captions);
    } else if (n == "Properties.OnChange") OnChange = context.NotifyHandler(LayoutIdentifier(p));
    else if (n == "Properties.Columns") SetColumns(static_cast<int>(LayoutInteger(p)));
    else if (n == "Properties.ReadOnly") SetReadOnly(LayoutBoolean(p));
    else if (n == "Properties.WordWrap") SetWordWrap(LayoutBoolean(p));
    else if (n == "Caption") SetCaption(Utf8ToWide(LayoutString(p)));
    else if (n == "Transparent") SetTransparent(LayoutBoolean(p));
    else if (n == "TabStop") SetGroupTabStop(LayoutBoolean(p));
    else if (n == "Alignment") {
        const std::string& a = LayoutIdentifier(p);
        auto found =
            std::find_if(std::begin(kAlignments), std::end(kAlignments), [&](const char* s) { return a == s; });
        if (found == std::end(kAlignments)) LayoutFail(p, "unknown caption alignment " + a);
        FAlignment = static_cast<TCaptionAlignment>(found - std::begin(kAlignments));
        UpdateView();
    } else if (n.rfind("Style.Font.", 0) == 0) {
        TLayoutProperty font = p;
        font.Name = n.substr(6);
        bool applied = TCustomControl::SetProperty(font, context);
        UpdateView();
        return applied;
    } else if (ApplyEditStyleProperty(FStyles, p)) {
        return true;
    } else return TCustomControl::SetProperty(p, context);
    return true;
}
