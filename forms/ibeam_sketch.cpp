#include "ibeam_sketch.h"

#include "sketch_parts.h"

std::vector<SketchElement> IBeamSketch(const IBeamSketchState& state)
{
    const QString flangeWidth = QStringLiteral("Ширина полки");
    const QString flangeThickness = QStringLiteral("Толщина полки");
    // a released flange 2 is drawn narrower, a released tf2 makes flange 1 the thicker one
    const double top = 50, flange2 = 62, flange1 = 148, webLeft = 114, webRight = 126;
    const double bottom = state.thickFlange1 ? 168 : 160;
    const double left2 = state.narrowFlange2 ? 85 : 60, right2 = state.narrowFlange2 ? 155 : 180;
    const double below = bottom - 160; // what lies below flange 1 moves down with it
    const double webTop = state.tee ? top : flange2;
    // the top edge: of flange 2, or of the T-section's stem
    const double topLeft = state.tee ? webLeft : left2, topRight = state.tee ? webRight : right2;

    SketchElements e;
    addEdge(e, "Line23", {topLeft, top}, {topRight, top});
    addEdge(e, "Line15", {right2, top}, {right2, flange2});
    addEdge(e, "Line27", {right2, flange2}, {left2, flange2});
    addEdge(e, "Line14", {left2, flange2}, {left2, top});
    addEdge(e, "Line26", {webLeft, webTop}, {webLeft, flange1});
    addEdge(e, "Line6", {webRight, webTop}, {webRight, flange1});
    addOutline(e, {"Line5", "Line11", "Line24", "Line10"},
               QPolygonF({{60, flange1}, {180, flange1}, {180, bottom}, {60, bottom}}));

    addAxis(e, {"Line1", "Line37(0)", "Line38(0)", "Label5"}, {40, 105, 190, 105}, "X",
            {182, 88, 14, 14}, AxisXColour);
    addAxis(e, {"Line2", "Line38(1)", "Line38(2)", "Label6(0)"}, {120, 178, 120, 14}, "Y",
            {126, 4, 14, 14}, AxisYColour);

    // dimension lines run downwards and to the right, extension lines away from the section
    addDimension(e, {"Line3", "Line20", "Line17", "Line4", "Line7"}, {22, top, 22, bottom},
                 {topLeft - 2, top}, {58, bottom});
    e.push_back(sketchLetter("Label10", "H", {4, 98, 16, 14}, QStringLiteral("Высота сечения")));
    addDimension(e, {"Line42", "Line35", "Line39", "Line40", "Line41"}, {left2, 30, right2, 30},
                 {left2, 48}, {right2, 48});
    e.push_back(sketchLetter("Label12", "B2", {88, 14, 24, 14}, flangeWidth));
    addDimension(e, {"Line34", "Line32", "Line33", {}, "Line36"}, {42, top, 42, flange2}, {},
                 {left2 - 2, flange2});
    e.push_back(sketchLetter("Label7", "tf2", {26, 64, 28, 14}, flangeThickness));
    addDimension(e, {"Line12", "Line13", "Line16", "Line8", "Line9"},
                 {60, 186 + below, 180, 186 + below}, {60, 164 + below}, {180, 164 + below});
    e.push_back(sketchLetter("Label8", "B1", {88, 188 + below, 24, 14}, flangeWidth));
    addDimension(e, {"Line29", "Line31", "Line30", "Line28", {}}, {42, flange1, 42, bottom},
                 {58, flange1});
    e.push_back(sketchLetter("Label9", "tf1", {28, 166 + below, 28, 14}, flangeThickness));
    addDimension(e, {"Line18", "Line19", "Line25", {}, {}}, {webLeft, 125, webRight, 125});
    e.push_back(
        sketchLetter("Label11", "tw", {130, 118, 22, 14}, QStringLiteral("Толщина стенки")));
    addDimension(e, {"Line45", "Line46", "Line47", "Line43", "Line44"}, {216, 105, 216, bottom},
                 {194, 105}, {184, bottom});
    e.push_back(sketchLetter("Label53", "Yc", {222, 126, 24, 14},
                             QStringLiteral("Расстояние до центра тяжести")));

    // the T-section has no flange 2
    if (state.tee)
        for (SketchElement& element : e)
            for (const char* flange2Part :
                 {"Line14", "Line15", "Line27", "Line32", "Line33", "Line34", "Line35", "Line36",
                  "Line39", "Line40", "Line41", "Line42", "Label7", "Label12"})
                if (element.name == QLatin1String(flange2Part))
                    element.visible = false;
    return e;
}
