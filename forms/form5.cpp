#include "form5.h"

#include "axis_results.h"
#include "hexagon_section.h"
#include "number_text.h"
#include "numbers.h"
#include "sketch_parts.h"

#include <QCheckBox>
#include <QLineEdit>

#include <cmath>

namespace {

const QString Radius = QStringLiteral("Радиус описанной окружности (равен стороне шестигранника)");
const QString Height = QStringLiteral("Высота шестигранника (размер под ключ)");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = QStringLiteral("Шестигранное сечение");
    d.section = "hexagon";
    d.precisionEntries = 10;
    d.legend = QStringLiteral(" I - момент инерции;            W - момент сопротивления;      "
                              "i - радиус инерции;               A - площадь сечения;");
    return d;
}

// The hexagon with its radius to the lower left corner, the axes from its centre, H
// dimensioned at the right and the side (= R) under the bottom.
SketchElements hexagonSketch()
{
    SketchElements elements;
    const QPointF centre(85, 90);
    const double r = 55, half = r * std::sqrt(3.0) / 2;
    const QPointF right(centre.x() + r, centre.y()), left(centre.x() - r, centre.y());
    const QPointF topRight(centre.x() + r / 2, centre.y() - half),
        topLeft(centre.x() - r / 2, centre.y() - half),
        bottomRight(centre.x() + r / 2, centre.y() + half),
        bottomLeft(centre.x() - r / 2, centre.y() + half);
    addOutline(elements, {"Line5", "Line6", "Line10", "Line14", "Line15", "Line16"},
               {right, topRight, topLeft, left, bottomLeft, bottomRight});
    elements.push_back(sketchLine("Line18", {centre, bottomLeft}));
    elements.push_back(sketchLetter("Label3", QStringLiteral("R"), {56, 100, 14, 14}, Radius));
    addAxis(elements, {"Line1", "Line24", "Line25", "Label5"}, {centre, {160, 90}},
            QStringLiteral("X"), {150, 70, 14, 14}, AxisXColour);
    addAxis(elements, {"Line2", "Line19", "Line23", "Label6(0)"}, {centre, {85, 8}},
            QStringLiteral("Y"), {91, 2, 14, 14}, AxisYColour);
    addDimension(elements, {"Line3", "Line17", "Line20", "Line4", "Line7"},
                 {{172, topRight.y()}, {172, bottomRight.y()}}, topRight, bottomRight);
    elements.push_back(sketchLetter("Label10", QStringLiteral("H"), {174, 100, 14, 14}, Height));
    addDimension(elements, {"Line8", "Line12", "Line13", "Line9", "Line11"},
                 {{bottomLeft.x(), 160}, {bottomRight.x(), 160}}, bottomLeft, bottomRight);
    elements.push_back(sketchLetter("Label8", QStringLiteral("R"), {78, 162, 14, 14}, Radius));
    return elements;
}

} // namespace

Form5::Form5(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch({190, 180}, hexagonSketch());
    setSketch(drawing);

    radiusBox =
        addLengthInput(
            {"Label2", QStringLiteral("R="), {}, "Text1", QStringLiteral("1"), Radius, "Label32"})
            .box;
    heightBox = addLengthInput({"Label13",
                                QStringLiteral("H="),
                                {},
                                "Text3",
                                QStringLiteral("1.73205"),
                                Height,
                                "Label34"})
                    .box;
    byHeight = addCheckBox(QStringLiteral("Check1"), QStringLiteral("Размер сечения через H"),
                           QStringLiteral("Ввод размера сечения через Н"));

    // the box not typed into shows the size derived from the typed one, also while the
    // unit switch converts the typed box
    connect(radiusBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!byHeight->isChecked())
            heightBox->setText(formatDerived(readNumber(text), velkor::HeightAcrossFlats));
    });
    connect(heightBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (byHeight->isChecked())
            radiusBox->setText(formatDerived(readNumber(text), velkor::RadiusFromHeight));
    });
    setFollows(heightBox, [this] { return !byHeight->isChecked(); });
    setFollows(radiusBox, [this] { return byHeight->isChecked(); });
    enableMode(byHeight->isChecked());
    // a mode change keeps both texts until the typed box changes
    connect(byHeight, &QCheckBox::toggled, this, [this](bool acrossFlats) {
        enableMode(acrossFlats);
        (acrossFlats ? heightBox : radiusBox)->setFocus();
    });
    // sized by H, the calculation shows the radius it works with, even when it then refuses
    setBeforeCalculation([this] {
        if (byHeight->isChecked())
            radiusBox->setText(
                formatDerived(readNumber(heightBox->text()), velkor::RadiusFromHeight));
    });
    bindInputs({radiusBox, heightBox}, {}, byHeight);

    // the box tube's rows; a hexagon has no static moments
    for (const ResultOutput& result : ResultsAboutBothAxes())
        if (result.figure != &velkor::figure::Sx && result.figure != &velkor::figure::Sy)
            addResult(result);
}

void Form5::enableMode(bool acrossFlats)
{
    setLengthEnabled(radiusBox, !acrossFlats);
    setLengthEnabled(heightBox, acrossFlats);
}
