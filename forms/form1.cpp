#include "form1.h"

#include "accessibility.h"
#include "axis_results.h"
#include "sketch_parts.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

const QString VerticalWalls = QStringLiteral("Толщина вертикальных стенок");
const QString HorizontalWalls = QStringLiteral("Толщина горизонтальных стенок");
const QString WallThickness = QStringLiteral("Толщина стенки");
const QString InnerSide = QStringLiteral("Внутренняя сторона квадрата");
// "Внутрення" without its last letter is how the form has always spelled these two
const QString RectangleWidth = QStringLiteral("Внутрення ширина прямоугольника");
const QString RectangleHeight = QStringLiteral("Внутрення высота прямоугольника");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = QStringLiteral("Коробчатое сечение");
    d.weightCell = GridCell{1, 2}; // below the area
    d.section = "tube";
    d.legend = QStringLiteral("I - момент инерции;        W - момент сопротивления;     "
                              "i - радиус инерции;           A - площадь сечения;              "
                              "S - статический момент полусечения.");
    return d;
}

// Two concentric squares, the axes from the centre, B and the walls b dimensioned below,
// H and the walls h at the right. The drawing never scales with the dimensions.
std::vector<SketchElement> tubeSketch(const QColor& openingColour)
{
    SketchElement opening = sketchRectangle("Shape2", {34, 34, 72, 72});
    opening.fill = Qt::SolidPattern;
    opening.fillColour = openingColour;
    SketchElements e = {sketchRectangle("Shape1", {20, 20, 100, 100}), opening};
    // the X axis's tooltip writes it with the Cyrillic "Х"
    addAxis(e, {"Line1", "Line23", "Line24", "Label5"}, {70, 70, 150, 70}, "X", {140, 52, 14, 14},
            AxisXColour, QStringLiteral("Ось координат \u0425"));
    addAxis(e, {"Line2", "Line25", "Line26", "Label6(0)"}, {70, 70, 70, 4}, "Y", {76, 0, 14, 14},
            AxisYColour, QStringLiteral("Ось координат Y"));

    addDimension(e, {"BDimension", "BTickLeft", "BTickRight", "BExtensionLeft", "BExtensionRight"},
                 {20, 172, 120, 172}, {20, 122}, {120, 122});
    e.push_back(sketchLetter("Label8", "B", {62, 174, 16, 16},
                             QStringLiteral("Ширина сечения в \"чистоте\"")));
    // the outer ends of the wall dimensions lie on B's extension lines
    addDimension(e, {"bDimensionLeft", "bTickLeftOuter", "bTickLeftInner", {}, "bExtensionLeft"},
                 {20, 152, 34, 152}, {}, {34, 108});
    addDimension(e,
                 {"bDimensionRight", "bTickRightInner", "bTickRightOuter", "bExtensionRight", {}},
                 {106, 152, 120, 152}, {106, 108});
    e.push_back(sketchLetter("Label7(0)", "b", {20, 134, 14, 14}, VerticalWalls));
    e.push_back(sketchLetter("Label9", "b", {106, 134, 14, 14}, VerticalWalls));

    addDimension(e, {"HDimension", "HTickTop", "HTickBottom", "HExtensionTop", "HExtensionBottom"},
                 {196, 20, 196, 120}, {122, 20}, {122, 120});
    e.push_back(sketchLetter("Label10", "H", {198, 62, 16, 16},
                             QStringLiteral("Высота сечения в \"чистоте\"")));
    addDimension(e, {"hDimensionTop", "hTickTopOuter", "hTickTopInner", {}, "hExtensionTop"},
                 {174, 20, 174, 34}, {}, {108, 34});
    addDimension(
        e, {"hDimensionBottom", "hTickBottomInner", "hTickBottomOuter", "hExtensionBottom", {}},
        {174, 106, 174, 120}, {108, 106});
    e.push_back(sketchLetter("Label11", "h", {178, 20, 14, 14}, HorizontalWalls));
    e.push_back(sketchLetter("Label12", "h", {178, 106, 14, 14}, HorizontalWalls));
    return e;
}

} // namespace

Form1::Form1(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch({218, 194}, tubeSketch(palette().color(QPalette::Window)));
    setSketch(drawing);

    // The tooltips call B and H inner sizes, yet both are measured between the outer edges.
    widthBox =
        addLengthInput({"Label2", QStringLiteral("B="), QString(), "Text1", QStringLiteral("6"),
                        QStringLiteral("Внутренняя ширина прямоугольника"), "Label32"})
            .box;
    verticalWallBox = addLengthInput({"Label3", QStringLiteral("b="), QString(), "Text2",
                                      QStringLiteral("0.5"), VerticalWalls, "Label33"})
                          .box;
    auto* heightBox =
        addLengthInput({"Label13", QStringLiteral("H="), QString(), "Text3", QStringLiteral("11"),
                        QStringLiteral("Внутренняя высота прямоугольника"), "Label34"})
            .box;
    auto* horizontalWallBox = addLengthInput({"Label14", QStringLiteral("h="), QString(), "Text4",
                                              QStringLiteral("0.5"), HorizontalWalls, "Label35"})
                                  .box;

    auto* equalWalls = addCheckBox(QStringLiteral("Check1"), QStringLiteral("h= b"),
                                   QStringLiteral("Толщина стенок одинакова"));
    auto* squareOpening = addCheckBox(QStringLiteral("Check2"), QStringLiteral("H= B"),
                                      QStringLiteral("Высота равна ширине (квадрат)"));
    equalWalls->setChecked(true);
    addTie(equalWalls, verticalWallBox, horizontalWallBox);
    addTie(squareOpening, widthBox, heightBox);
    showEqualWalls(true);
    showSquareOpening(false);
    // a tie sends the focus to the box it copies from; a release, to the freed box (addTie)
    connect(equalWalls, &QCheckBox::toggled, this, [this](bool on) {
        showEqualWalls(on);
        if (on)
            verticalWallBox->setFocus();
    });
    connect(squareOpening, &QCheckBox::toggled, this, [this](bool on) {
        showSquareOpening(on);
        if (on)
            widthBox->setFocus();
    });

    for (const ResultOutput& result : ResultsAboutBothAxes())
        addResult(result);
    bindInputs({widthBox, verticalWallBox, heightBox, horizontalWallBox},
               {equalWalls, squareOpening});
}

void Form1::showEqualWalls(bool equal)
{
    const QString vertical = equal ? WallThickness : VerticalWalls;
    const QString horizontal = equal ? WallThickness : HorizontalWalls;
    setHint(verticalWallBox, vertical);
    for (const char* letter : {"Label7(0)", "Label9"})
        drawing->setElementToolTip(QString::fromLatin1(letter), vertical);
    for (const char* letter : {"Label11", "Label12"})
        drawing->setElementToolTip(QString::fromLatin1(letter), horizontal);
}

void Form1::showSquareOpening(bool square)
{
    const QString width = square ? InnerSide : RectangleWidth;
    setHint(widthBox, width);
    drawing->setElementToolTip(QStringLiteral("Label8"), width);
    drawing->setElementToolTip(QStringLiteral("Label10"), square ? InnerSide : RectangleHeight);
}
