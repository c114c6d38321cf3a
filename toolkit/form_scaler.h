#pragma once
// The lengths of a form's layout as designed at 96 pixels per inch (client size, bounds, font
// heights), kept so that the form can be laid out again for another display: each time from the
// design values, so that the rounding of one scaling never feeds into the next.
#include <vector>

#include "toolkit/component.h"

class TFormScaler {
public:
    // Keeps property if it is a length; anything else is not kept.
    void Record(TComponent& component, const TLayoutProperty& property);
    // Applies every kept length at dpi, in the layout's order (a form before its controls).
    void Apply(int dpi) const;

private:
    struct TLength {
        TComponent* Component;
        TLayoutProperty Property;
    };
    std::vector<TLength> FLengths;
};
