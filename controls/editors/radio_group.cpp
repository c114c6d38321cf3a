#include "controls/editors/radio_group.h"

#include <algorithm>

#include "toolkit/form.h"
#include "toolkit/strings.h"

namespace {
constexpr int kGlyphSize = 13;
constexpr int kCaptionMargin = 5;
}  // namespace

TRadioItem::TRadioItem(TRadioGroup* group, int index, std::wstring caption)
    : TCustomControl(group), FGroup(group), FIndex(index), FCaption(std::move(caption)) {
    Font() = group->Font();
    SetParent(group);
}

void TRadioItem::SetChecked(bool checked) {
    if (checked == FChecked) return;
    FChecked = checked;
    Invalidate();
}

bool TRadioItem::WantsKey(UINT key) const {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_SPACE;
}

LRESULT TRadioItem::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_LEFT) FGroup->MoveChoice(FIndex, -1);
        else if (wParam == VK_DOWN || wParam == VK_RIGHT) FGroup->MoveChoice(FIndex, 1);
        else if (wParam == VK_SPACE) FGroup->ItemChosen(FIndex);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        return TCustomControl::WndProc(message, wParam, lParam);
    default:
        return TCustomControl::WndProc(message, wParam, lParam);
    }
}

void TRadioItem::MouseDown(int, int) {
    SetFocus();
    SetCapture(Handle());
}

void TRadioItem::MouseUp(int x, int y) {
    if (GetCapture() == Handle()) ReleaseCapture();
    if (ClientRect().Contains(x, y)) FGroup->ItemChosen(FIndex);
}

void TRadioItem::Paint(TCanvas& canvas) {
    TRect r = ClientRect();
    canvas.Font() = FGroup->Font();
    canvas.FillRect(r, FGroup->Color());
    int top = (Height() - kGlyphSize) / 2;
    RECT glyph{1, top, 1 + kGlyphSize, top + kGlyphSize};
    UINT state = DFCS_BUTTONRADIO | (FChecked ? DFCS_CHECKED : 0) | (Showing() ? 0 : DFCS_INACTIVE);
    DrawFrameControl(canvas.Handle(), &glyph, DFC_BUTTON, state);
    TRect text{glyph.right + kCaptionMargin, 0, r.Right, r.Bottom};
    TColor color = Showing() ? Font().Color() : clBtnShadow;
    canvas.DrawText(FCaption, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, color);
    if (Focused()) {
        SIZE extent = canvas.TextExtent(FCaption);
        int textTop = (Height() - extent.cy) / 2;
        RECT focus{text.Left - 1, textTop - 1, text.Left + extent.cx + 1, textTop + extent.cy + 2};
        DrawFocusRect(canvas.Handle(), &focus);
    }
}

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

int TRadioGroup::ItemIndex() const {
    if (Loading()) return std::clamp(FPendingIndex, -1, ItemCount() - 1);
    auto checked = std::find_if(FItems.begin(), FItems.end(), [](const TRadioItem* i) { return i->Checked(); });
    return checked == FItems.end() ? -1 : static_cast<int>(checked - FItems.begin());
}

void TRadioGroup::SetItemIndex(int index) {
    // While loading the items may not be read yet: the value is limited once they are.
    if (Loading()) {
        FPendingIndex = index;
        return;
    }
    index = std::clamp(index, -1, ItemCount() - 1);
    if (index == ItemIndex()) return;
    for (int i = 0; i < ItemCount(); ++i) Item(i)->SetChecked(i == index);
    UpdateTabStops();
    if (OnChange) OnChange(this);
}

void TRadioGroup::Loaded() {
    TWinControl::Loaded();
    int index = std::clamp(FPendingIndex, -1, ItemCount() - 1);
    for (int i = 0; i < ItemCount(); ++i) Item(i)->SetChecked(i == index);
    UpdateTabStops();
}

void TRadioGroup::SetItems(const std::vector<std::wstring>& captions) {
    for (TRadioItem* item : FItems) delete item;
    FItems.clear();
    for (std::size_t i = 0; i < captions.size(); ++i)
        FItems.push_back(new TRadioItem(this, static_cast<int>(i), captions[i]));
    ArrangeItems();
    UpdateTabStops();
}

void TRadioGroup::ItemChosen(int index) {
    SetItemIndex(index);
    Item(index)->SetFocus();
}

void TRadioGroup::MoveChoice(int from, int step) {
    if (ItemCount() == 0) return;
    int next = (from + step + ItemCount()) % ItemCount();
    ItemChosen(next);
}

// Only the checked button takes the focus by Tab; with none checked, the first does.
void TRadioGroup::UpdateTabStops() {
    int checked = ItemIndex();
    for (int i = 0; i < ItemCount(); ++i) {
        Item(i)->SetTabOrder(i);
        Item(i)->SetTabStop(i == checked || (checked < 0 && i == 0));
    }
}

void TRadioGroup::ArrangeItems() {
    if (FItems.empty()) return;
    int height = Height() / ItemCount();
    for (int i = 0; i < ItemCount(); ++i) Item(i)->SetBounds(0, i * height, Width(), height);
}

void TRadioGroup::BoundsChanged() {
    TWinControl::BoundsChanged();
    ArrangeItems();
}

void TRadioGroup::EnabledChanged() {
    TWinControl::EnabledChanged();
    for (TRadioItem* item : FItems) item->SetEnabled(Enabled());
}

bool TRadioGroup::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "ItemIndex") SetItemIndex(static_cast<int>(LayoutInteger(p)));
    else if (n == "Properties.Items") {
        std::vector<std::wstring> captions;
        for (const std::string& item : LayoutStrings(p)) captions.push_back(Utf8ToWide(item));
        SetItems(captions);
    } else if (n == "Properties.OnChange") OnChange = context.NotifyHandler(LayoutIdentifier(p));
    else if (n == "Caption") {
        if (!LayoutString(p).empty()) LayoutFail(p, "the group has no caption");
    } else if (n == "Style.BorderStyle") {
        if (LayoutIdentifier(p) != "ebsNone") LayoutFail(p, "only ebsNone is supported");
    } else if (n == "Transparent" || n.ends_with(".LookAndFeel.NativeStyle")) {
        // Drawn over the dialog's face with the platform's radio glyphs: the only look offered.
        if (!LayoutBoolean(p)) LayoutFail(p, "only True is supported");
    } else if (n.rfind("Style.Font.", 0) == 0) {
        TLayoutProperty font = p;
        font.Name = n.substr(6);
        return TWinControl::SetProperty(font, context);
    } else return TWinControl::SetProperty(p, context);
    return true;
}
