#include "form7.h"

#include "axis_results.h"
#include "module1.h"
#include "section_sketch.h"
#include "sketch_parts.h"

#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>
#include <span>

namespace {

const QString FlangeWidth = QStringLiteral("Ширина полки");
const QString FlangeThickness = QStringLiteral("Толщина полки");
const QString ISectionCaption = QStringLiteral("Двутавровое сечение");
const QString TSectionCaption = QStringLiteral("Тавровое сечение");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = ISectionCaption;
    d.routine = &CalcIBeam;
    // in columns, as the channel and Z forms have them, to fit on a laptop's screen
    d.checkBoxesBelowPrecision = true;
    d.weightCell = GridCell{2, 2}; // below the area and the centroid
    d.legend = QStringLiteral("I - момент инерции;         W - момент сопротивления;    "
                              "i - радиус инерции;            A - площадь сечения;             "
                              "S - статический момент полусечения;                          "
                              "Yc - расстояние до центра тяжести.");
    return d;
}

// The tied I-section: flange 2 on top (y 50…62), the web (x 114…126), flange 1 at the
// bottom (y 148…160), both flanges x 60…180; H and tf2 dimensioned on the left, B2 above,
// B1 below, tf1 on the left, tw across the web, Yc on the right.
const SketchElements& designSketch()
{
    static const SketchElements elements = [] {
        SketchElements e;
        addOutline(e, {"Line23", "Line15", "Line27", "Line14"},
                   QPolygonF({{60, 50}, {180, 50}, {180, 62}, {60, 62}}));
        // two corners alone would read as a QRectF, so the points are listed as such
        addOutline(e, {"Line26"}, QPolygonF(QList<QPointF>{{114, 62}, {114, 148}}));
        addOutline(e, {"Line6"}, QPolygonF(QList<QPointF>{{126, 62}, {126, 148}}));
        addOutline(e, {"Line5", "Line11", "Line24", "Line10"},
                   QPolygonF({{60, 148}, {180, 148}, {180, 160}, {60, 160}}));

        addAxis(e, {"Line1", "Line37(0)", "Line38(0)", "Label5"}, {40, 105, 190, 105}, "X",
                {182, 88, 14, 14}, AxisXColour);
        addAxis(e, {"Line2", "Line38(1)", "Line38(2)", "Label6(0)"}, {120, 178, 120, 14}, "Y",
                {126, 4, 14, 14}, AxisYColour);

        // dimension lines run downwards and to the right, extension lines away from the section
        addDimension(e, {"Line3", "Line20", "Line17", "Line4", "Line7"}, {22, 50, 22, 160},
                     {58, 50}, {58, 160});
        e.push_back(
            sketchLetter("Label10", "H", {4, 98, 16, 14}, QStringLiteral("Высота сечения")));
        addDimension(e, {"Line42", "Line35", "Line39", "Line40", "Line41"}, {60, 30, 180, 30},
                     {60, 48}, {180, 48});
        e.push_back(sketchLetter("Label12", "B2", {88, 14, 24, 14}, FlangeWidth));
        addDimension(e, {"Line34", "Line32", "Line33", {}, "Line36"}, {42, 50, 42, 62}, {},
                     {58, 62});
        e.push_back(sketchLetter("Label7", "tf2", {26, 64, 28, 14}, FlangeThickness));
        addDimension(e, {"Line12", "Line13", "Line16", "Line8", "Line9"}, {60, 186, 180, 186},
                     {60, 164}, {180, 164});
        e.push_back(sketchLetter("Label8", "B1", {88, 188, 24, 14}, FlangeWidth));
        addDimension(e, {"Line29", "Line31", "Line30", "Line28", {}}, {42, 148, 42, 160},
                     {58, 148});
        e.push_back(sketchLetter("Label9", "tf1", {28, 166, 28, 14}, FlangeThickness));
        addDimension(e, {"Line18", "Line19", "Line25", {}, {}}, {114, 125, 126, 125});
        e.push_back(
            sketchLetter("Label11", "tw", {130, 118, 22, 14}, QStringLiteral("Толщина стенки")));
        addDimension(e, {"Line45", "Line46", "Line47", "Line43", "Line44"}, {216, 105, 216, 160},
                     {194, 105}, {184, 160});
        e.push_back(sketchLetter("Label53", "Yc", {222, 126, 24, 14},
                                 QStringLiteral("Расстояние до центра тяжести")));
        return e;
    }();
    return elements;
}

const SketchElement& designed(const QString& name)
{
    const auto& elements = designSketch();
    return *std::find_if(elements.begin(), elements.end(),
                         [&](const SketchElement& e) { return e.name == name; });
}

// Where an element goes away from its design place: each end of a line by its own
// offset, a letter by the first.
struct Shift {
    const char* name;
    QPointF first;
    QPointF second;
};

constexpr double NarrowerBy = 25;   // a released flange 2 on each side
constexpr double ThickerBy = 8;     // a released tf2: flange 1 drawn thicker
constexpr double ToTheWeb = 54;     // from a flange edge to the face of the web
constexpr double Flange2Drawn = 12; // thickness of flange 2 in the sketch

// The outlines run clockwise, so Line27 runs leftwards and Line14 and Line10 upwards;
// extension lines start at the section.
const Shift NarrowFlange2[] = {
    {"Line14", {NarrowerBy, 0}, {NarrowerBy, 0}},
    {"Line35", {NarrowerBy, 0}, {NarrowerBy, 0}},
    {"Line40", {NarrowerBy, 0}, {NarrowerBy, 0}},
    {"Line15", {-NarrowerBy, 0}, {-NarrowerBy, 0}},
    {"Line39", {-NarrowerBy, 0}, {-NarrowerBy, 0}},
    {"Line41", {-NarrowerBy, 0}, {-NarrowerBy, 0}},
    {"Line23", {NarrowerBy, 0}, {-NarrowerBy, 0}},
    {"Line42", {NarrowerBy, 0}, {-NarrowerBy, 0}},
    {"Line27", {-NarrowerBy, 0}, {NarrowerBy, 0}},
    {"Line4", {NarrowerBy, 0}, {0, 0}},
    {"Line36", {NarrowerBy, 0}, {0, 0}},
};

// Everything below flange 1 moves down; its sides and the vertical dimension lines that
// reach its bottom stretch.
const Shift ThickFlange1[] = {
    {"Line24", {0, ThickerBy}, {0, ThickerBy}},
    {"Line7", {0, ThickerBy}, {0, ThickerBy}},
    {"Line8", {0, ThickerBy}, {0, ThickerBy}},
    {"Line9", {0, ThickerBy}, {0, ThickerBy}},
    {"Line12", {0, ThickerBy}, {0, ThickerBy}},
    {"Line13", {0, ThickerBy}, {0, ThickerBy}},
    {"Line16", {0, ThickerBy}, {0, ThickerBy}},
    {"Line17", {0, ThickerBy}, {0, ThickerBy}},
    {"Line30", {0, ThickerBy}, {0, ThickerBy}},
    {"Line44", {0, ThickerBy}, {0, ThickerBy}},
    {"Line47", {0, ThickerBy}, {0, ThickerBy}},
    {"Label8", {0, ThickerBy}, {}},
    {"Label9", {0, ThickerBy}, {}},
    {"Line3", {0, 0}, {0, ThickerBy}},
    {"Line10", {0, ThickerBy}, {0, 0}},
    {"Line11", {0, 0}, {0, ThickerBy}},
    {"Line29", {0, 0}, {0, ThickerBy}},
    {"Line45", {0, 0}, {0, ThickerBy}},
};

// The T-section's stem: the top edge as wide as the web, the web faces up to it.
const Shift TeeTop[] = {
    {"Line23", {ToTheWeb, 0}, {-ToTheWeb, 0}},
    {"Line4", {ToTheWeb, 0}, {0, 0}},
    {"Line26", {0, -Flange2Drawn}, {0, 0}},
    {"Line6", {0, -Flange2Drawn}, {0, 0}},
};

const char* const Flange2Elements[] = {"Line14", "Line15", "Line27", "Line32", "Line33",
                                       "Line34", "Line35", "Line36", "Line39", "Line40",
                                       "Line41", "Line42", "Label7", "Label12"};

// Puts the elements where `shifts` take them, or back to their design places.
void place(SectionSketch& sketch, std::span<const Shift> shifts, bool shifted)
{
    for (const Shift& shift : shifts) {
        const QString name = QString::fromLatin1(shift.name);
        const SketchElement& design = designed(name);
        if (design.kind == SketchElement::Kind::Letter)
            sketch.setElementBounds(name, shifted ? design.bounds.translated(shift.first)
                                                  : design.bounds);
        else
            sketch.setElementLine(name, shifted ? QLineF(design.line.p1() + shift.first,
                                                         design.line.p2() + shift.second)
                                                : design.line);
    }
}

} // namespace

Form7::Form7(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch({250, 214}, designSketch());
    setSketch(drawing);

    // flange 1 in the left column and flange 2 in the right one; the tab order runs down
    // the left column first
    const auto inCell = [this](LengthInput input, GridCell cell) {
        input.cell = cell;
        return addLengthInput(input);
    };
    const auto latin = UnitSpelling::LatinInCentimetres, plain = UnitSpelling::Cyrillic;
    heightBox = inCell({"Label59", QStringLiteral("H="), QString(), "Text7", QStringLiteral("19.3"),
                        QStringLiteral("Высота сечения"), "Label57", latin},
                       {0, 0});
    width1Box = inCell({"Label61", QStringLiteral("B1="), QString(), "Text9", QStringLiteral("15"),
                        FlangeWidth, "Label56", latin},
                       {1, 0});
    thickness1Box = inCell({"Label60", QStringLiteral("tf1="), QString(), "Text8",
                            QStringLiteral("0.9"), FlangeThickness, "Label55", latin},
                           {2, 0});
    inCell({"Label13", QStringLiteral("tw="), QString(), "Text3", QStringLiteral("0.6"),
            QStringLiteral("Толщина стенки "), "Label32", plain},
           {0, 1});
    width2Box = inCell({"Label2", QStringLiteral("B2="), QString(), "Text1", QStringLiteral("15"),
                        FlangeWidth, "Label33", plain},
                       {1, 1});
    thickness2Box = inCell({"Label3", QStringLiteral("tf2="), QString(), "Text2",
                            QStringLiteral("0.9"), FlangeThickness, "Label34", plain},
                           {2, 1});

    auto* tee = addCheckBox(QStringLiteral("Check1"), QStringLiteral("Тавр\\Двутавр"),
                            QStringLiteral("Переключатель - Тавр/Двутавр"));
    sameWidth = addCheckBox(QStringLiteral("Check2"), QStringLiteral("B2= B1"),
                            QStringLiteral("Ширина полок одинакова"));
    sameThickness = addCheckBox(QStringLiteral("Check3"), QStringLiteral("tf2= tf1"),
                                QStringLiteral("Толщина полок одинакова"));
    sameWidth->setChecked(true);
    sameThickness->setChecked(true);
    addTie(sameWidth, width1Box, width2Box);
    addTie(sameThickness, thickness1Box, thickness2Box);
    connect(sameWidth, &QCheckBox::toggled, this, &Form7::showFlange2Width);
    connect(sameThickness, &QCheckBox::toggled, this, &Form7::showFlange2Thickness);
    connect(tee, &QCheckBox::toggled, this, &Form7::showTee);
    // the T-section has no flange 2: CalcIBeam takes 0 whatever its boxes hold
    for (QLineEdit* flange2 : {width2Box, thickness2Box})
        setUnused(flange2, [tee] { return tee->isChecked(); });

    for (const ResultOutput& result : ResultsAboutBothAxes())
        addResult(result);
    // Yc is cleared by a unit switch like every other result: an old value under the new
    // unit's label would mislead
    ResultOutput centroid{"Label52",
                          QStringLiteral("Yc="),
                          "Label51",
                          QStringLiteral("Расстояние до центра тяжести"),
                          "Yc",
                          velkor::Length,
                          ResultColour::AboutX,
                          "Label50",
                          latin};
    centroid.cell = {1, 2}; // below the area
    addResult(centroid);
}

void Form7::showTee(bool tee)
{
    // Ticking the ties runs their own handlers: flange 2 back to full width, flange 1 to
    // its design thickness, the flange 2 boxes disabled copies of flange 1.
    sameWidth->setChecked(true);
    sameThickness->setChecked(true);
    sameWidth->setEnabled(!tee);
    sameThickness->setEnabled(!tee);

    for (const char* element : Flange2Elements)
        drawing->setElementVisible(QString::fromLatin1(element), !tee);
    place(*drawing, TeeTop, tee);

    if (tee) {
        width2Box->setText(QStringLiteral("0"));
        thickness2Box->setText(QStringLiteral("0"));
    } else {
        width2Box->setText(width1Box->text());
        thickness2Box->setText(thickness1Box->text());
    }
    heightBox->setFocus();
    setWindowTitle(tee ? TSectionCaption : ISectionCaption);
}

void Form7::showFlange2Width(bool tied)
{
    place(*drawing, NarrowFlange2, !tied);
    if (tied)
        width1Box->setFocus();
}

void Form7::showFlange2Thickness(bool tied)
{
    place(*drawing, ThickFlange1, !tied);
    if (tied)
        thickness1Box->setFocus();
}
