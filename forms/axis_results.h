#pragma once

#include "section_form.h"

#include <vector>

// The result rows about the X and Y axes that the box-tube, rectangle, cross and I-section
// calculators show, in the form's order: Ix, Iy, Wx, Wy, ix, iy, A, Sx, Sy, with their
// captions, tooltips, colours and unit labels, in the columns of X, of Y and of the area.
const std::vector<ResultOutput>& ResultsAboutBothAxes();
