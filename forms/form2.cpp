#include "form2.h"

#include "accessibility.h"
#include "section_sketch.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString OuterDiameter = QStringLiteral("Наружный диаметр");
const QString Diameter = QStringLiteral("Диаметр");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = QStringLiteral("Круглая труба (Круглое сечение)");
    d.section = "round";
    d.precisionEntries = 10;
    d.legend = QStringLiteral(" I - момент инерции;            W - момент сопротивления;      "
                              "i - радиус инерции;              A - площадь сечения;");
    d.precisionCaptionName = QStringLiteral("Label15");
    d.specificWeightCaptionName = QStringLiteral("Label7");
    d.specificWeightBoxName = QStringLiteral("Text3");
    d.specificWeightToolTip = QStringLiteral("Удельный вес");
    d.weightCaptionName = QStringLiteral("Label8");
    d.weightResultName = QStringLiteral("Label9");
    d.weightToolTip = QStringLiteral("Вес погонного метра");
    d.unitToolTips = {QStringLiteral("ед. измерения миллиметр"),
                      QStringLiteral("ед. измерения сантиметр"),
                      QStringLiteral("ед. измерения метр")};
    d.versionToolTip = QStringLiteral("Версия");
    return d;
}

// The tube: outer circle, bore, the wall thickness "t" across the top wall and the outer
// diameter "D" dimensioned below.
std::vector<SketchElement> roundSketch(const QColor& boreColour)
{
    SketchElement bore = sketchCircle("Shape1", {45, 35, 90, 90});
    bore.fill = Qt::SolidPattern;
    bore.fillColour = boreColour;
    return {
        sketchCircle("Shape2", {35, 25, 110, 110}),
        bore,
        sketchLine("Line4", {90, 8, 90, 50}),
        sketchLine("Line5", {85, 30, 95, 20}),
        sketchLine("Line6", {85, 40, 95, 30}),
        sketchLetter("Label4", "t", {97, 4, 16, 16}, QStringLiteral("Толщина стенки")),
        sketchLine("Line2", {35, 80, 35, 166}),
        sketchLine("Line3", {145, 80, 145, 166}),
        sketchLine("Line1", {35, 160, 145, 160}),
        sketchLine("Line7", {31, 164, 39, 156}),
        sketchLine("Line8", {141, 164, 149, 156}),
        sketchLetter("Label1(0)", "D", {80, 162, 20, 16}, OuterDiameter),
    };
}

} // namespace

Form2::Form2(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch({180, 182}, roundSketch(palette().color(QPalette::Window)));
    setSketch(drawing);

    const LengthRow diameter =
        addLengthInput({"Label2", QStringLiteral("D="), OuterDiameter, "Text1",
                        QStringLiteral("14.2"), OuterDiameter, "Label6"});
    diameterBox = diameter.box;
    diameterCaption = diameter.caption;
    wallBox = addLengthInput({"Label3",
                              QStringLiteral("t ="),
                              {},
                              "Text2",
                              QStringLiteral("0.5"),
                              QStringLiteral("Толщина стенки"),
                              "Label10"})
                  .box;
    auto* solid = addCheckBox(QStringLiteral("Check1"), QStringLiteral("Круглое сечение"),
                              QStringLiteral("Сплошное круглое сечение"));
    connect(solid, &QCheckBox::toggled, this, &Form2::showSolid);

    addResult({"Label5", QStringLiteral("I ="), "Label1(1)", QStringLiteral("Момент инерции"),
               &velkor::figure::I, ResultColour::AboutX, "Label11"});
    addResult({"Label19", QStringLiteral("W ="), "Label24", QStringLiteral("Момент сопротивления"),
               &velkor::figure::W, ResultColour::AboutX, "Label12"});
    addResult({"Label21", QStringLiteral("i ="), "Label26", QStringLiteral("Радиус инерции"),
               &velkor::figure::i, ResultColour::AboutX, "Label13"});
    addResult({"Label23", QStringLiteral("A ="), "Label28", QStringLiteral("Площадь сечения"),
               &velkor::figure::A, ResultColour::Area, "Label14"});

    bindInputs({diameterBox, wallBox}, {}, solid);
    setWindowTitle(QStringLiteral("Круглая труба"));
}

void Form2::showSolid(bool solid)
{
    setWindowTitle(solid ? QStringLiteral("Круглое сечение") : QStringLiteral("Круглая труба"));
    const QString diameterHint = solid ? Diameter : OuterDiameter;
    drawing->setElementToolTip(QStringLiteral("Label1(0)"), diameterHint);
    diameterCaption->setToolTip(diameterHint);
    setHint(diameterBox, diameterHint);

    // the wall keeps its text while hidden and shows it again for the tube
    setLengthVisible(wallBox, !solid);
    drawing->setElementFill(QStringLiteral("Shape2"), solid ? Qt::FDiagPattern : Qt::NoBrush);
    for (const char* wallElement : {"Shape1", "Label4", "Line4", "Line5", "Line6"})
        drawing->setElementVisible(QString::fromLatin1(wallElement), !solid);
    (solid ? diameterBox : wallBox)->setFocus();
}
