#include "form3.h"

#include "accessibility.h"
#include "axis_results.h"
#include "sketch_parts.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

const QString Side = QStringLiteral("Сторона квадрата");
const QString Width = QStringLiteral("Ширина прямоугольника");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = QStringLiteral("Квадратное\\ прямоугольное сечение");
    d.weightCell = GridCell{1, 2}; // below the area
    d.section = "rect";
    d.precisionEntries = 10;
    d.legend =
        QStringLiteral(" I - момент инерции;           W - момент сопротивления;       "
                       "i - радиус инерции;              A - площадь сечения;                "
                       "S - статический момент полусечения.");
    d.exitUnloads = true;
    return d;
}

// The square's outline, the axes from its centre, H dimensioned at the right and B below.
// The same drawing serves the rectangle: only the letters' tooltips change.
std::vector<SketchElement> rectangleSketch()
{
    SketchElements e = {sketchRectangle("Shape1", {20, 20, 100, 100})};
    addAxis(e, {"Line1", "Line5", "Line6", "Label5"}, {70, 70, 150, 70}, "X", {140, 52, 14, 14},
            AxisXColour);
    addAxis(e, {"Line2", "Line10", "Line14", "Label6(0)"}, {70, 70, 70, 4}, "Y", {76, 0, 14, 14},
            AxisYColour);
    addDimension(e, {"Line3", "Line17", "Line20", "Line4", "Line7"}, {170, 20, 170, 120}, {122, 20},
                 {122, 120});
    e.push_back(sketchLetter("Label10", "H", {174, 62, 16, 16}, {}));
    addDimension(e, {"Line8", "Line12", "Line13", "Line9", "Line11"}, {20, 150, 120, 150},
                 {20, 122}, {120, 122});
    e.push_back(sketchLetter("Label8", "B", {62, 152, 16, 16}, {}));
    return e;
}

} // namespace

Form3::Form3(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch({194, 172}, rectangleSketch());
    setSketch(drawing);

    widthBox = addLengthInput({"Label2", QStringLiteral("B="), QString(), "Text1",
                               QStringLiteral("5"), Width, "Label32"})
                   .box;
    // the height starts empty; the square mode fills it with the side at once
    auto* heightBox =
        addLengthInput({"Label13", QStringLiteral("H="), QString(), "Text3", QString(),
                        QStringLiteral("Высота прямоугольника"), "Label34"})
            .box;
    auto* square = addCheckBox(QStringLiteral("Check1"), QStringLiteral("H= B"),
                               QStringLiteral("Стороны сечения равны"));
    square->setChecked(true);
    addTie(square, widthBox, heightBox);
    showSquare(true);
    // square mode puts the focus on the side; rectangle mode on the freed height (addTie)
    connect(square, &QCheckBox::toggled, this, [this](bool on) {
        showSquare(on);
        if (on)
            widthBox->setFocus();
    });

    for (const ResultOutput& result : ResultsAboutBothAxes())
        addResult(result);
    bindInputs({widthBox, heightBox}, {square});
}

void Form3::showSquare(bool square)
{
    setWindowTitle(square ? QStringLiteral("Квадратное сечение")
                          : QStringLiteral("Прямоугольное сечение"));
    const QString width = square ? Side : Width;
    setHint(widthBox, width);
    drawing->setElementToolTip(QStringLiteral("Label8"), width);
    // "прямоугольники" is the form's own spelling of this one tooltip
    drawing->setElementToolTip(QStringLiteral("Label10"),
                               square ? Side : QStringLiteral("Высота прямоугольники"));
}
