#pragma once

// The figures a design check needs beyond those the calculators show: computed only when
// asked for (velkor-cli --all, the section card), never on «Вычислить».

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// What a section of polygons has besides its calculator's figures, in the order of the
// catalogue's design lists: the plastic neutral axes and moduli; the moduli at each
// extreme fibre, unless the calculator shows them, or else those about the principal axes
// u and v (to the corner farthest from each) where these are not X and Y; the polar
// moment; the outline's length, the holes' too for a tube, and the painted surface of a
// running metre.
void AddPolygonDesignFigures(SectionProperties& properties, const std::vector<Contour>& section,
                             const PolygonProperties& p, bool fibreModuliShown,
                             bool innerOutline = false);

// The shear centre from the section's left and bottom edges.
void AddShearCentre(SectionProperties& properties, const PolygonProperties& p, const Point& centre,
                    std::string_view model = {});

// The painted surface of a running metre in m²/m, from an outline length in millimetres.
Real SurfacePerMetre(const Real& outlineMillimetres);

} // namespace velkor
