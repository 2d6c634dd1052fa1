#pragma once

// Every figure of a section bounded by one outline of straight faces and arcs (a rolled
// profile): exact where it can be, enclosed otherwise, with true π. The same figures and
// symbols as the sections of polygons: A, the centroid, the moments about the centroidal
// and principal axes and the angle between them, the moduli at every extreme fibre, the
// radii of gyration, the static moments of the parts on one side of each axis, the
// plastic axes and moduli, the polar moment and the outline.

#include "arc_outline.h"
#include "figure_value.h"
#include "figures.h"
#include "section.h"

#include <memory>
#include <vector>

namespace velkor {

class ArcSectionFigures {
public:
    explicit ArcSectionFigures(std::shared_ptr<const ArcOutline> outline);

    const ArcOutline& outline() const { return *shape; }
    const FigureValue& area() const { return values.front().second; }
    // The figure of this kind, or nothing where the section has none (the moduli about the
    // principal axes where these are X and Y).
    const FigureValue* find(const FigureKind& kind) const;
    // The kinds asked for that the section has, in that order, as the section's results.
    SectionProperties properties(const std::vector<const FigureKind*>& kinds) const;

private:
    void add(const FigureKind& kind, FigureValue value);

    std::shared_ptr<const ArcOutline> shape;
    std::vector<std::pair<const FigureKind*, FigureValue>> values;
};

} // namespace velkor
