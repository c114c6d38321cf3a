#pragma once
// A component whose published Kind, NativeStyle and SkinName read and write the root look and
// feel. The root counts the controllers; when the last one goes, the root's own values are reset.
#include <string>

#include "controls/editors/look_and_feel.h"
#include "toolkit/component.h"

class TLookAndFeelController : public TComponent {
public:
    explicit TLookAndFeelController(TComponent* owner);
    ~TLookAndFeelController() override;

    TLookAndFeelKind Kind() const { return TLookAndFeel::Root().Kind(); }
    void SetKind(TLookAndFeelKind kind) { TLookAndFeel::Root().SetKind(kind); }
    bool NativeStyle() const { return TLookAndFeel::Root().NativeStyle(); }
    void SetNativeStyle(bool native) { TLookAndFeel::Root().SetNativeStyle(native); }
    const std::string& SkinName() const { return TLookAndFeel::Root().SkinName(); }
    void SetSkinName(const std::string& name) { TLookAndFeel::Root().SetSkinName(name); }

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
};
