#include "toolkit/component.h"

#include <algorithm>

#include "toolkit/exceptions.h"

void LayoutFail(const TLayoutProperty& property, const std::string& what) {
    throw Exception("Layout line " + std::to_string(property.Line) + ": " + property.Name + ": " + what);
}

namespace {
template <class T>
const T& LayoutValueOf(const TLayoutProperty& property, const char* kind) {
    const T* value = std::get_if<T>(&property.Value);
    if (!value) LayoutFail(property, std::string(kind) + " expected");
    return *value;
}
}  // namespace

std::int64_t LayoutInteger(const TLayoutProperty& property) {
    return LayoutValueOf<std::int64_t>(property, "number");
}
bool LayoutBoolean(const TLayoutProperty& property) { return LayoutValueOf<bool>(property, "True or False"); }
const std::string& LayoutString(const TLayoutProperty& property) {
    return LayoutValueOf<std::string>(property, "string");
}
const std::string& LayoutIdentifier(const TLayoutProperty& property) {
    return LayoutValueOf<TLayoutIdentifier>(property, "name").Name;
}
const std::vector<std::string>& LayoutStrings(const TLayoutProperty& property) {
    return LayoutValueOf<TLayoutStrings>(property, "list of strings").Items;
}

bool LayoutSetHas(const TLayoutProperty& property, const std::string& member) {
    const auto& members = LayoutValueOf<TLayoutSet>(property, "set").Members;
    return std::find(members.begin(), members.end(), member) != members.end();
}

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
    if (FOwner) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
    FDestroying = true;
    DestroyComponents();
    if (FOwner && !FOwner->FDestroying) std::erase(FOwner->FComponents, this);
}

void TComponent::DestroyComponents() {
    FDestroying = true;
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        FComponents.pop_back();
        delete last;
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    auto found = std::find_if(FComponents.begin(), FComponents.end(),
                              [&](const TComponent* c) { return c->Name() == name; });
    return found == FComponents.end() ? nullptr : *found;
}

bool TComponent::SetProperty(const TLayoutProperty& property, const TLayoutContext&) {
    if (property.Name == "Name") {
        FName = LayoutString(property);
        return true;
    }
    return false;
}
