#include "controls/editors/look_and_feel.h"

#include <algorithm>
#include <memory>

#include "controls/editors/look_and_feel_painter.h"

namespace {

// The root hears the platform: a change of system colours or of the theme repaints every editor
// (a native-style change down the tree); a theme change may also change the painters.
void ListenToPlatform(TLookAndFeel& root) {
    TThemeServices& themes = TThemeServices::Instance();
    themes.AddThemeChangedListener([&root] { root.NotifyRefresh(lfvNativeStyle); });
    themes.AddSysColorChangedListener([&root] { root.NotifyRefresh(lfvNativeStyle); });
}

}  // namespace

TLookAndFeel::TLookAndFeel(TRootTag) : FIsRoot(true) { FPainter = &ChoosePainter(FCurrent.Kind, false, "", {}); }

TLookAndFeel::TLookAndFeel(TLookAndFeel* master) {
    AttachTo(master ? master : &Root());
    FCurrent = Effective();
    FPainter = &ChoosePainter(FCurrent.Kind, FCurrent.NativeStyle, FCurrent.SkinName, {});
}

TLookAndFeel::~TLookAndFeel() {
    Detach();
    // A dependent drops this master and follows the root from now on.
    for (TLookAndFeel* dependent : std::vector<TLookAndFeel*>(FDependents)) {
        dependent->FMaster = nullptr;
        dependent->Update();
    }
}

TLookAndFeel& TLookAndFeel::Root() {
    static std::unique_ptr<TLookAndFeel> root = [] {
        std::unique_ptr<TLookAndFeel> made(new TLookAndFeel(TRootTag{}));
        ListenToPlatform(*made);
        return made;
    }();
    return *root;
}

void TLookAndFeel::AttachTo(TLookAndFeel* master) {
    FMaster = master;
    if (FMaster) FMaster->FDependents.push_back(this);
}

void TLookAndFeel::Detach() {
    if (FMaster) std::erase(FMaster->FDependents, this);
    FMaster = nullptr;
}

void TLookAndFeel::SetMaster(TLookAndFeel* master) {
    if (FIsRoot || master == this) return;
    if (!master) master = &Root();
    if (master == FMaster) return;
    Detach();
    AttachTo(master);
    Update();
}

TLookAndFeel* TLookAndFeel::EffectiveMaster() const {
    if (FIsRoot) return nullptr;
    return FMaster ? FMaster : &Root();
}

TLookAndFeel::TValues TLookAndFeel::Effective() const {
    TValues inherited;
    if (TLookAndFeel* master = EffectiveMaster()) inherited = master->FCurrent;
    TValues effective;
    effective.Kind = (FAssigned & lfvKind) ? FStored.Kind : inherited.Kind;
    effective.NativeStyle = (FAssigned & lfvNativeStyle) ? FStored.NativeStyle : inherited.NativeStyle;
    effective.SkinName = (FAssigned & lfvSkinName) ? FStored.SkinName : inherited.SkinName;
    return effective;
}

void TLookAndFeel::SetKind(TLookAndFeelKind kind) {
    FStored.Kind = kind;
    FAssigned |= lfvKind;
    Update();
}

void TLookAndFeel::SetNativeStyle(bool native) {
    FStored.NativeStyle = native;
    FAssigned |= lfvNativeStyle;
    Update();
}

void TLookAndFeel::SetSkinName(const std::string& name) {
    FStored.SkinName = name;
    FAssigned |= lfvSkinName;
    Update();
}

void TLookAndFeel::SetAssignedValues(TLookAndFeelValues values) {
    values &= lfvAll;
    if (values == FAssigned) return;
    FAssigned = values;
    Update();
}

void TLookAndFeel::Update() {
    TValues next = Effective();
    if (next == FCurrent) return;
    TLookAndFeelValues changed = 0;
    if (next.Kind != FCurrent.Kind) changed |= lfvKind;
    if (next.NativeStyle != FCurrent.NativeStyle) changed |= lfvNativeStyle;
    if (next.SkinName != FCurrent.SkinName) changed |= lfvSkinName;
    FCurrent = next;
    FPainter = &ChoosePainter(FCurrent.Kind, FCurrent.NativeStyle, FCurrent.SkinName, {});
    Notify(changed);
}

void TLookAndFeel::MasterChanged(TLookAndFeelValues changed) {
    // Values assigned here do not follow the master.
    if (changed & ~FAssigned) Update();
}

void TLookAndFeel::Notify(TLookAndFeelValues changed) {
    for (TLookAndFeel* dependent : std::vector<TLookAndFeel*>(FDependents))
        if (std::find(FDependents.begin(), FDependents.end(), dependent) != FDependents.end())
            dependent->MasterChanged(changed);
    NotifyListeners(changed);
}

void TLookAndFeel::NotifyListeners(TLookAndFeelValues changed) {
    std::vector<int> ids;
    for (const auto& entry : FListeners) ids.push_back(entry.first);
    for (int id : ids) {
        // A listener removed by an earlier one is not called; the others all are.
        auto entry = std::find_if(FListeners.begin(), FListeners.end(), [id](const auto& e) { return e.first == id; });
        if (entry == FListeners.end()) continue;
        TListener listener = entry->second;
        listener(this, changed);
    }
    if (OnChanged) OnChanged(changed);
}

void TLookAndFeel::NotifyRefresh(TLookAndFeelValues values) {
    FPainter = &ChoosePainter(FCurrent.Kind, FCurrent.NativeStyle, FCurrent.SkinName, {});
    for (TLookAndFeel* dependent : std::vector<TLookAndFeel*>(FDependents))
        if (std::find(FDependents.begin(), FDependents.end(), dependent) != FDependents.end())
            dependent->NotifyRefresh(values);
    NotifyListeners(values);
}

const TLookAndFeelPainter& TLookAndFeel::PainterFor(std::initializer_list<TThemedObjectType> types) const {
    return ChoosePainter(FCurrent.Kind, FCurrent.NativeStyle, FCurrent.SkinName, types);
}

int TLookAndFeel::AddChangeListener(TListener listener) {
    int id = FNextId++;
    FListeners.emplace_back(id, std::move(listener));
    return id;
}

void TLookAndFeel::RemoveChangeListener(int id) {
    std::erase_if(FListeners, [id](const auto& entry) { return entry.first == id; });
}
