#include "form6.h"

#include "accessibility.h"
#include "axis_results.h"
#include "sketch_parts.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

const QString HorizontalLength = QStringLiteral("Длина горизонтального элемента");
const QString VerticalThickness = QStringLiteral("Толщина вертикального элемента");
const QString VerticalLength = QStringLiteral("Длина вертикального элемента");
const QString HorizontalThickness = QStringLiteral("Толщина горизонтального элемента");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = QStringLiteral("Крестообразное сечение");
    d.weightCell = GridCell{1, 2}; // below the area
    d.section = "cross";
    d.legend = QStringLiteral("I - момент инерции;        W - момент сопротивления;     "
                              "i - радиус инерции;           A - площадь сечения;              "
                              "S - статический момент полусечения.");
    return d;
}

DimensionNames dimensionNames(const QString& size)
{
    const QString prefix = QStringLiteral("Dimension") + size;
    return {prefix, prefix + QStringLiteral("Tick1"), prefix + QStringLiteral("Tick2"),
            prefix + QStringLiteral("Extension1"), prefix + QStringLiteral("Extension2")};
}

// The cross with its axes, b and B dimensioned below, h at the left and H at the right.
SketchElements crossSketch()
{
    SketchElements elements;
    const double left = 25, right = 165, top = 25, bottom = 165;             // B and H
    const double webLeft = 80, webRight = 110, armTop = 80, armBottom = 110; // b and h
    addOutline(elements,
               {"Line10", "Line11", "Line14", "Line15", "Line23", "Line24", "Line25", "Line26",
                "Line27", "Line28", "Line29", "Line30"},
               {{webLeft, top},
                {webRight, top},
                {webRight, armTop},
                {right, armTop},
                {right, armBottom},
                {webRight, armBottom},
                {webRight, bottom},
                {webLeft, bottom},
                {webLeft, armBottom},
                {left, armBottom},
                {left, armTop},
                {webLeft, armTop}});
    const QPointF centre(95, 95);
    addAxis(elements, {"Line1", "Line37", "Line38", "Label5"}, {centre, {178, 95}},
            QStringLiteral("X"), {166, 62, 14, 14}, AxisXColour);
    addAxis(elements, {"Line2", "Line39", "Line41", "Label6(0)"}, {centre, {95, 4}},
            QStringLiteral("Y"), {100, 0, 14, 14}, AxisYColour, QStringLiteral("Ось координат Y"));

    addDimension(elements, dimensionNames("B"), {{left, 194}, {right, 194}}, {left, armBottom + 3},
                 {right, armBottom + 3});
    elements.push_back(
        sketchLetter("Label8", QStringLiteral("B"), {40, 179, 14, 14}, HorizontalLength));
    addDimension(elements, dimensionNames("b"), {{webLeft, 178}, {webRight, 178}},
                 {webLeft, bottom + 3}, {webRight, bottom + 3});
    elements.push_back(
        sketchLetter("Label9", QStringLiteral("b"), {113, 170, 14, 14}, VerticalThickness));
    addDimension(elements, dimensionNames("H"), {{190, top}, {190, bottom}}, {webRight + 3, top},
                 {webRight + 3, bottom});
    elements.push_back(
        sketchLetter("Label10", QStringLiteral("H"), {172, 128, 14, 14}, VerticalLength));
    addDimension(elements, dimensionNames("h"), {{10, armTop}, {10, armBottom}}, {left - 3, armTop},
                 {left - 3, armBottom});
    elements.push_back(
        sketchLetter("Label11", QStringLiteral("h"), {3, 60, 14, 14}, HorizontalThickness));
    return elements;
}

} // namespace

Form6::Form6(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch({200, 202}, crossSketch());
    setSketch(drawing);

    auto* lengthB = addLengthInput({"Label2",
                                    QStringLiteral("B="),
                                    {},
                                    "Text1",
                                    QStringLiteral("10"),
                                    HorizontalLength,
                                    "Label32"})
                        .box;
    auto* thicknessB = addLengthInput({"Label3",
                                       QStringLiteral("b="),
                                       {},
                                       "Text2",
                                       QStringLiteral("1"),
                                       VerticalThickness,
                                       "Label33"})
                           .box;
    auto* lengthH = addLengthInput({"Label13",
                                    QStringLiteral("H="),
                                    {},
                                    "Text3",
                                    QStringLiteral("20"),
                                    VerticalLength,
                                    "Label34"})
                        .box;
    auto* thicknessH = addLengthInput({"Label14",
                                       QStringLiteral("h="),
                                       {},
                                       "Text4",
                                       QStringLiteral("1"),
                                       HorizontalThickness,
                                       "Label35"})
                           .box;

    // Each tie: the tied box copies its source, the source's tooltip names both elements,
    // and tying puts the focus on the source (releasing, the frame puts it on the tied box).
    struct Tie {
        const char* name;
        const char* caption;
        const char* toolTip;
        QLineEdit* source;
        QLineEdit* tied;
        QString sourceToolTip, tiedSourceToolTip;
    };
    const Tie ties[] = {
        {"Check2", "H = B", "Длины элементов одинаковы", lengthB, lengthH, HorizontalLength,
         QStringLiteral("Длина горизонтального и верт. элементов")},
        {"Check1", "h = b", "Толщины элементов одинаковы", thicknessB, thicknessH,
         VerticalThickness, QStringLiteral("Толщина элементов")},
    };
    std::vector<const QCheckBox*> tieChecks; // in the catalogue's order, as in `ties`
    for (const Tie& tie : ties) {
        auto* check = addCheckBox(QString::fromLatin1(tie.name), QString::fromLatin1(tie.caption),
                                  QString::fromUtf8(tie.toolTip));
        check->setChecked(true);
        addTie(check, tie.source, tie.tied);
        tieChecks.push_back(check);
        QLineEdit* source = tie.source;
        const auto showToolTip = [source, single = tie.sourceToolTip, both = tie.tiedSourceToolTip](
                                     bool tied) { setHint(source, tied ? both : single); };
        showToolTip(true);
        connect(check, &QCheckBox::toggled, this, [showToolTip, source](bool tied) {
            showToolTip(tied);
            if (tied)
                source->setFocus();
        });
    }

    for (const ResultOutput& result : ResultsAboutBothAxes())
        addResult(result);
    bindInputs({lengthB, thicknessB, lengthH, thicknessH}, tieChecks);
}
