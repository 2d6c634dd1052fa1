#pragma once

#include "section_form.h"

#include <vector>

// The result rows about the X and Y axes that the box-tube and rectangle calculators show,
// in the form's order: Ix, Iy, Wx, Wy, ix, iy, A, Sx, Sy, with their captions, tooltips,
// colours and unit labels.
const std::vector<ResultOutput>& ResultsAboutBothAxes();
