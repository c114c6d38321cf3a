#include "controls/editors/look_and_feel_controller.h"

#include "controls/editors/edit_style_layout.h"

namespace {
int controllers = 0;
}

TLookAndFeelController::TLookAndFeelController(TComponent* owner) : TComponent(owner) { ++controllers; }

TLookAndFeelController::~TLookAndFeelController() {
    if (--controllers == 0) TLookAndFeel::Root().Reset();
}

bool TLookAndFeelController::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    if (p.Name == "Kind") SetKind(LayoutLookAndFeelKind(p));
    else if (p.Name == "NativeStyle") SetNativeStyle(LayoutBoolean(p));
    else if (p.Name == "SkinName") SetSkinName(LayoutString(p));
    else return TComponent::SetProperty(p, context);
    return true;
}
