#pragma once
// A look and feel names a visual kind and whether the platform's themes are to be used. Values not
// assigned come from the master, up to the one root; the effective values and the painter they
// pick are cached and recomputed on every change, and listeners hear which values changed.
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/theme_services.h"

enum class TLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };

using TLookAndFeelValues = unsigned;
inline constexpr TLookAndFeelValues lfvKind = 1;
inline constexpr TLookAndFeelValues lfvNativeStyle = 2;
inline constexpr TLookAndFeelValues lfvSkinName = 4;
inline constexpr TLookAndFeelValues lfvAll = lfvKind | lfvNativeStyle | lfvSkinName;

class TLookAndFeelPainter;

class TLookAndFeel {
public:
    using TListener = std::function<void(TLookAndFeel* sender, TLookAndFeelValues changed)>;

    // No master: the root is the master.
    explicit TLookAndFeel(TLookAndFeel* master = nullptr);
    TLookAndFeel(const TLookAndFeel&) = delete;
    TLookAndFeel& operator=(const TLookAndFeel&) = delete;
    ~TLookAndFeel();

    // The application's root, created on first use and kept to the end.
    static TLookAndFeel& Root();

    TLookAndFeelKind Kind() const { return FCurrent.Kind; }
    bool NativeStyle() const { return FCurrent.NativeStyle; }
    const std::string& SkinName() const { return FCurrent.SkinName; }
    TLookAndFeelValues AssignedValues() const { return FAssigned; }

    void SetKind(TLookAndFeelKind kind);
    void SetNativeStyle(bool native);
    void SetSkinName(const std::string& name);
    // The empty set is a reset: every value follows the master again.
    void SetAssignedValues(TLookAndFeelValues values);
    void Reset() { SetAssignedValues(0); }
    TLookAndFeel* Master() const { return FMaster; }
    void SetMaster(TLookAndFeel* master);

    // The painter for the current values, with no themed type needed.
    const TLookAndFeelPainter& Painter() const { return *FPainter; }
    // The painter when these themed types must open for the native one.
    const TLookAndFeelPainter& PainterFor(std::initializer_list<TThemedObjectType> types) const;

    // Listeners are told after every change of an effective value; removing one while they are
    // told is safe.
    int AddChangeListener(TListener listener);
    void RemoveChangeListener(int id);
    // Called after the listeners.
    std::function<void(TLookAndFeelValues changed)> OnChanged;

    // Tells every listener, down the whole tree, that these values changed although none did:
    // what a change of system colours or theme needs so that every editor repaints.
    void NotifyRefresh(TLookAndFeelValues values);

private:
    struct TValues {
        TLookAndFeelKind Kind = TLookAndFeelKind::lfUltraFlat;
        bool NativeStyle = false;
        std::string SkinName;
        bool operator==(const TValues&) const = default;
    };
    struct TRootTag {};
    explicit TLookAndFeel(TRootTag);

    TLookAndFeel* EffectiveMaster() const;
    TValues Effective() const;
    void Update();
    void Notify(TLookAndFeelValues changed);
    void NotifyListeners(TLookAndFeelValues changed);
    void MasterChanged(TLookAndFeelValues changed);
    void AttachTo(TLookAndFeel* master);
    void Detach();

    TValues FStored;
    TValues FCurrent;
    TLookAndFeelValues FAssigned = 0;
    TLookAndFeel* FMaster = nullptr;
    bool FIsRoot = false;
    const TLookAndFeelPainter* FPainter = nullptr;
    std::vector<std::pair<int, TListener>> FListeners;
    std::vector<TLookAndFeel*> FDependents;
    int FNextId = 1;
};
