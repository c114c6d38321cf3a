#pragma once
// Builds a form's components from its layout: each object is created by its class name,
// placed in its parent, and given its properties in stored order while the form is loading;
// every component's Loaded runs once the whole layout has been read.
#include <functional>
#include <string>

#include "toolkit/form.h"

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// Makes a class known to the form reader under its class name.
void RegisterComponentClass(const std::string& className, TComponentFactory factory);

template <class T>
void RegisterComponentClass(const std::string& className) {
    RegisterComponentClass(className, [](TComponent* owner) { return new T(owner); });
}

// Applies the root object's properties to form and creates its children, the lengths scaled to
// the form's pixels per inch. Raises Exception naming the layout line for an unknown class or
// property.
void LoadForm(TForm& form, const TLayoutObject& root, const TLayoutContext& context);

// Binary data compiled into the executable as an RCDATA resource.
std::vector<std::uint8_t> LoadResourceData(const std::string& name);
std::string LoadResourceText(const std::string& name);
