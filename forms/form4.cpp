#include "form4.h"

#include "sketch_parts.h"

namespace {

const QString Side = QStringLiteral("Сторона ромба");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = QStringLiteral("Ромб");
    d.section = "rhombus";
    d.precisionEntries = 10;
    d.legend = QStringLiteral(" I - момент инерции;           W - момент сопротивления;       "
                              "i - радиус инерции;              A - площадь сечения;         "
                              "       S - статический момент полусечения.");
    return d;
}

// The square on its corner with the axes along its diagonals and B beside the lower sides.
SketchElements rhombusSketch()
{
    SketchElements elements;
    const QPointF centre(80, 90);
    addOutline(elements, {"Line5", "Line6", "Line10", "Line14"},
               {{20, 90}, {80, 30}, {140, 90}, {80, 150}});
    addAxis(elements, {"Line1", "Line7", "Line8", "Label5"}, {centre, {172, 90}},
            QStringLiteral("X"), {160, 94, 14, 14}, AxisXColour);
    addAxis(elements, {"Line2", "Line3", "Line4", "Label6(0)"}, {centre, {80, 4}},
            QStringLiteral("Y"), {86, 0, 14, 14}, AxisYColour);
    elements.push_back(sketchLetter("Label8", QStringLiteral("B"), {28, 122, 14, 14}, Side));
    elements.push_back(sketchLetter("Label10", QStringLiteral("B"), {118, 122, 14, 14}, Side));
    return elements;
}

} // namespace

Form4::Form4(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch({180, 160}, rhombusSketch());
    setSketch(drawing);

    const QLineEdit* sideBox =
        addLengthInput(
            {"Label2", QStringLiteral("B="), {}, "Text1", QStringLiteral("5"), Side, "Label32"})
            .box;

    // the shape is the same about both axes: one figure each, named after X
    addResult({"Label4", QStringLiteral("I="), "Label1",
               QStringLiteral("Момент инерции относительно оси Х"), &velkor::figure::I,
               ResultColour::AboutX, "Label36"});
    addResult({"Label19", QStringLiteral("W="), "Label24",
               QStringLiteral("Момент сопротивления относительно Х"), &velkor::figure::W,
               ResultColour::AboutX, "Label38"});
    addResult({"Label21", QStringLiteral("i="), "Label26",
               QStringLiteral("Радиус инерции относительно Х"), &velkor::figure::i,
               ResultColour::AboutX, "Label40"});
    addResult({"Label23", QStringLiteral("A="), "Label28", QStringLiteral("Площадь сечения"),
               &velkor::figure::A, ResultColour::Area, "Label42"});
    addResult({"Label46", QStringLiteral("S="), "Label44",
               QStringLiteral("Статический момент относительно оси Х"), &velkor::figure::S,
               ResultColour::AboutX, "Label47", UnitSpelling::LatinAtDesign});
    bindInputs({sideBox}, {});
}
