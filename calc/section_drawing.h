#pragma once

// A section as the section card draws it to scale: its outlines, the dimensions worth
// marking, and the axes and points the figures place. Coordinates are millimetres as
// doubles (a drawing needs no more), x to the right and y up, with the material's lower
// left extreme at the origin: the edges Xc, Yc, xpl, ypl, xs and ys are measured from.

#include "exact.h"
#include "section.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velkor {

struct DrawnPoint {
    double x = 0, y = 0;
};

struct DrawnContour {
    std::vector<DrawnPoint> points;
    bool hole = false;
};

struct DrawnCircle {
    DrawnPoint centre;
    double radius = 0;
    bool hole = false;
};

// Where a dimension line goes. Below, Above, Left and Right measure the horizontal or
// vertical distance between two points, on a line outside the section; Along measures the
// true length of a sloping edge, beside it outside the section (to the right of the way
// from `from` to `to`); Through runs across the material itself (a wall, a radius), with
// its label beyond `to`.
enum class DimensionPlace { Below, Above, Left, Right, Along, Through };

struct DimensionLine {
    std::string_view name; // as the calculator names the dimension
    Rational length;       // in millimetres, exactly, for the label
    DrawnPoint from, to;
    DimensionPlace place;
    int level = 0; // outside lines on one side: 0 next to the section, 1 beyond it
    // a line across a wall may be moved by up to this either way, to keep its label clear
    DrawnPoint slide = {};
};

// What a section routine's inputs look like, before it is placed.
struct SectionShape {
    std::vector<DrawnContour> contours;
    std::vector<DrawnCircle> circles;
    std::vector<DimensionLine> dimensions;
};

struct SectionDrawing {
    SectionShape shape;
    double width = 0, height = 0; // of the material
    DrawnPoint centroid;
    // degrees from X to u, where the principal axes are not X and Y
    std::optional<double> principalAngle;
    // where they are not the centroid and the axes through it
    std::optional<DrawnPoint> shearCentre;
    std::optional<double> plasticAxisX; // the plastic neutral axis parallel to Y, at x
    std::optional<double> plasticAxisY; // the one parallel to X, at y
};

struct RoundSectionInput;
struct RectangularTubeInput;
struct RectangleInput;
struct RhombusInput;
struct HexagonInput;
struct CrossInput;
struct IBeamInput;
struct FlangedSectionInput;

SectionShape RoundShape(const RoundSectionInput& input);
SectionShape RectangularTubeShape(const RectangularTubeInput& input);
SectionShape RectangleShape(const RectangleInput& input);
SectionShape RhombusShape(const RhombusInput& input);
SectionShape HexagonShape(const HexagonInput& input);
SectionShape CrossShape(const CrossInput& input);
SectionShape IBeamShape(const IBeamInput& input);
SectionShape ChannelShape(const FlangedSectionInput& input);
SectionShape ZSectionShape(const FlangedSectionInput& input);

// The shape moved to the origin, with the centroid, the principal and plastic axes and the
// shear centre of the section's figures (computed with Scope::All).
SectionDrawing PlaceDrawing(SectionShape shape, const SectionProperties& figures);

} // namespace velkor
