// Only compiled, by the core tests, with SECOND the second button's setters: controls that each have a
// tab index of their own compile; a repeated or a missing tab index is refused.
#include "forms/design.h"

constexpr forms::LabelDesign kLabel = forms::LabelDesign().TabIndex(0);
constexpr std::array<forms::ButtonDesign, 2> kButtons{forms::ButtonDesign().TabIndex(1), forms::ButtonDesign() SECOND};
static_assert(forms::OwnTabIndexes(kLabel, kButtons), "each control its own tab index");
