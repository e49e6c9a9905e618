// The Hebrew presentation forms that have a full canonical decomposition, for
// Rich Text readers that know only the base letters and points.
#pragma once
#include <cstdint>

constexpr int kPresentationFormCount = 27;

struct Decomposition {
    char16_t Form;
    char16_t Points[3];   // the code points in order; unused ones are 0
};

// The form's decomposition, or null when unit is not one of the 27 forms.
const Decomposition* FindDecomposition(char16_t unit);
// How many code points a decomposition has (1 to 3).
int DecompositionLength(const Decomposition& decomposition);
