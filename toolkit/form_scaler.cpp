#include "toolkit/form_scaler.h"

#include "toolkit/exceptions.h"
#include "toolkit/layout/layout_scaling.h"

namespace {

// Lengths are numbers: applying them never needs the form's resources or handlers.
class TLengthsOnly : public TLayoutContext {
public:
    std::vector<std::uint8_t> Resource(const std::string& name) const override { Refuse(name); }
    TNotifyEvent NotifyHandler(const std::string& name) const override { Refuse(name); }
    TKeyPressEvent KeyPressHandler(const std::string& name) const override { Refuse(name); }

private:
    [[noreturn]] static void Refuse(const std::string& name) {
        throw Exception("Rescaling a form asked for " + name);
    }
};

}  // namespace

void TFormScaler::Record(TComponent& component, const TLayoutProperty& property) {
    if (IsLengthProperty(property.Name)) FLengths.push_back({&component, property});
}

void TFormScaler::Apply(int dpi) const {
    TLengthsOnly context;
    for (const TLength& length : FLengths) length.Component->SetProperty(ScaledProperty(length.Property, dpi), context);
}
