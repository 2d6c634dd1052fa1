#pragma once

// The channel and Z calculators under test: their shared control names, and reading a
// sketch: which elements a click moved, hid or showed, and whether the section's outline
// is still one closed line.

#include "flanged_sketches.h"
#include "section_sketch.h"

#include <QStringList>
#include <QTest>

#include <cmath>
#include <map>

// What the channel and Z calculators have in common: their result labels, their length
// boxes and the elements of the upper flange in their sketches.
// A, Xc, Yc, Ix, Iy, W1x, W2x, W1y, W2y, ix, iy, Sx, Sy, weight
inline const QStringList Results = {"Label28", "Label64", "Label66", "Label1",  "Label16",
                                    "Label24", "Label57", "Label25", "Label60", "Label26",
                                    "Label27", "Label44", "Label45", "Label31"};
// H, s, B1, B2, t1, t2
inline const QStringList Boxes = {"Text3", "Text4", "Text1", "Text7", "Text2", "Text6"};
inline const QStringList UpperFlange = {"Label12", "Label7", "Line10", "Line14", "Line15",
                                        "Line27",  "Line32", "Line33", "Line34", "Line35",
                                        "Line36",  "Line39", "Line40", "Line53"};

struct SketchSnapshot {
    std::map<QString, SketchElement> elements;

    SketchSnapshot(const SectionSketch& sketch, const std::vector<SketchElement>& design)
    {
        for (const SketchElement& e : design)
            elements.emplace(e.name, sketch.element(e.name));
    }

    // Elements visible in both snapshots whose place or length differs.
    QStringList moved(const SketchSnapshot& after) const
    {
        QStringList names;
        for (const auto& [name, e] : elements) {
            const SketchElement& now = after.elements.at(name);
            if (e.visible && now.visible && (e.line != now.line || e.bounds != now.bounds))
                names << name;
        }
        names.sort();
        return names;
    }
    // Elements whose visibility went from `from` to its opposite.
    QStringList turned(const SketchSnapshot& after, bool from) const
    {
        QStringList names;
        for (const auto& [name, e] : elements)
            if (e.visible == from && after.elements.at(name).visible != from)
                names << name;
        names.sort();
        return names;
    }
    bool operator==(const SketchSnapshot& other) const
    {
        for (const auto& [name, e] : elements) {
            const SketchElement& o = other.elements.at(name);
            if (e.visible != o.visible || e.line != o.line || e.bounds != o.bounds ||
                e.toolTip != o.toolTip)
                return false;
        }
        return true;
    }
};

inline QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// True when the visible ones of `edges`, taken in order, run end to start around the
// section and back to where they began.
inline bool outlineIsClosed(const SectionSketch& sketch, const QStringList& edges)
{
    QList<QLineF> visible;
    for (const QString& name : edges)
        if (sketch.isElementVisible(name))
            visible << sketch.element(name).line;
    for (qsizetype k = 0; k < visible.size(); ++k)
        if (visible[k].p2() != visible[(k + 1) % visible.size()].p1())
            return false;
    return visible.size() >= 4;
}

// The direction of a drawn axis in degrees counter-clockwise from X as the user sees it
// (the screen's y runs down), within (−90, 90]: either end of the line names the same axis.
inline double drawnAngle(const QLineF& line)
{
    double angle = std::fmod(line.angle(), 180.0);
    return angle > 90 ? angle - 180 : angle;
}

// The test of a table with the columns "setup", "check", "moved" and "hidden": after the
// setup's clicks, a click on the check box moves exactly the `moved` elements of the sketch
// and hides exactly the `hidden` ones, shows none and leaves the outline closed. Where
// `clickedBack`, a second click draws the sketch as it was.
template <typename Driver>
void verifySketchFollowsTheClick(Driver& ui, const std::vector<SketchElement>& design,
                                 const QStringList& outline, bool clickedBack)
{
    QFETCH(QStringList, setup);
    QFETCH(QString, check);
    QFETCH(QStringList, moved);
    QFETCH(QStringList, hidden);
    const SectionSketch& sketch = ui.window().sketch();
    ui.perform(setup);
    const SketchSnapshot before(sketch, design);
    ui.click(check);
    const SketchSnapshot after(sketch, design);
    QCOMPARE(before.moved(after), sorted(moved));
    QCOMPARE(before.turned(after, true), sorted(hidden));
    QCOMPARE(before.turned(after, false), QStringList{});
    QVERIFY(outlineIsClosed(sketch, outline));
    if (clickedBack) {
        ui.click(check);
        QVERIFY(SketchSnapshot(sketch, design) == before);
    }
}
