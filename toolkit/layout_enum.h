#pragma once
// Reading an enumeration value from the layout by its stored name.
#include <string>
#include <utility>

#include "toolkit/component.h"

template <class E, std::size_t N>
E LayoutEnum(const TLayoutProperty& property, const std::pair<const char*, E> (&names)[N]) {
    const std::string& name = LayoutIdentifier(property);
    for (const auto& [known, value] : names)
        if (name == known) return value;
    LayoutFail(property, "unknown value " + name);
}
