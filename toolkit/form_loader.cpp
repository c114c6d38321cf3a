#include "toolkit/form_loader.h"

#include <map>

#include "toolkit/exceptions.h"
#include "toolkit/layout/layout_scaling.h"
#include "toolkit/strings.h"

namespace {

std::map<std::string, TComponentFactory>& Registry() {
    static std::map<std::string, TComponentFactory> registry;
    return registry;
}

// Lengths apply at the form's pixels per inch and are kept as designed for a later rescaling.
void ApplyProperties(TForm& form, TComponent& component, const TLayoutObject& object,
                     const TLayoutContext& context) {
    for (const TLayoutProperty& property : object.Properties) {
        if (!component.SetProperty(ScaledProperty(property, form.PixelsPerInch()), context))
            LayoutFail(property, "unknown property of " + object.ClassName);
        form.Scaler().Record(component, property);
    }
}

void CreateChildren(TForm& form, TWinControl& parent, const TLayoutObject& object, const TLayoutContext& context,
                    std::vector<TComponent*>& created) {
    for (const TLayoutObject& child : object.Children) {
        auto factory = Registry().find(child.ClassName);
        if (factory == Registry().end())
            throw Exception("Layout line " + std::to_string(child.Line) + ": unknown class " + child.ClassName);
        TComponent* component = factory->second(&form);
        component->SetName(child.Name);
        component->BeginLoading();
        created.push_back(component);
        if (auto control = dynamic_cast<TControl*>(component)) control->SetParent(&parent);
        ApplyProperties(form, *component, child, context);
        if (auto container = dynamic_cast<TWinControl*>(component))
            CreateChildren(form, *container, child, context, created);
        else if (!child.Children.empty())
            throw Exception("Layout line " + std::to_string(child.Line) + ": " + child.Name + " cannot hold controls");
    }
}

}  // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory) {
    Registry()[className] = std::move(factory);
}

void LoadForm(TForm& form, const TLayoutObject& root, const TLayoutContext& context) {
    std::vector<TComponent*> created;
    form.BeginLoading();
    form.SetName(root.Name);
    ApplyProperties(form, form, root, context);
    CreateChildren(form, form, root, context, created);
    for (TComponent* component : created) component->Loaded();
    form.Loaded();
}

std::vector<std::uint8_t> LoadResourceData(const std::string& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    std::wstring wideName = Utf8ToWide(name);
    HRSRC info = FindResourceW(module, wideName.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    if (!data) throw Exception("Resource " + name + " not found");
    auto bytes = static_cast<const std::uint8_t*>(LockResource(data));
    return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, info));
}

std::string LoadResourceText(const std::string& name) {
    std::vector<std::uint8_t> data = LoadResourceData(name);
    return std::string(data.begin(), data.end());
}
