#include "form7.h"

#include "axis_results.h"
#include "ibeam_sketch.h"

#include <QCheckBox>
#include <QLineEdit>

#include <utility>

namespace {

const QString FlangeWidth = QStringLiteral("Ширина полки");
const QString FlangeThickness = QStringLiteral("Толщина полки");
const QString ISectionCaption = QStringLiteral("Двутавровое сечение");
const QString TSectionCaption = QStringLiteral("Тавровое сечение");

FrameDescription frame()
{
    FrameDescription d;
    d.caption = ISectionCaption;
    d.section = "ibeam";
    // in columns, as the channel and Z forms have them, to fit on a laptop's screen
    d.checkBoxesBelowPrecision = true;
    d.weightCell = GridCell{2, 2}; // below the area and the centroid
    d.legend = QStringLiteral("I - момент инерции;         W - момент сопротивления;    "
                              "i - радиус инерции;            A - площадь сечения;             "
                              "S - статический момент полусечения;                          "
                              "Yc - расстояние до центра тяжести.");
    return d;
}

} // namespace

Form7::Form7(PlatformServices& services)
    : SectionForm(services, frame())
{
    drawing = new SectionSketch(IBeamSketchSize, IBeamSketch({}));
    setSketch(drawing);

    // flange 1 in the left column and flange 2 in the right one; the tab order runs down
    // the left column first
    const auto inCell = [this](LengthInput input, GridCell cell) {
        input.cell = cell;
        return addLengthInput(input).box;
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
    const QLineEdit* webBox =
        inCell({"Label13", QStringLiteral("tw="), QString(), "Text3", QStringLiteral("0.6"),
                QStringLiteral("Толщина стенки "), "Label32", plain},
               {0, 1});
    width2Box = inCell({"Label2", QStringLiteral("B2="), QString(), "Text1", QStringLiteral("15"),
                        FlangeWidth, "Label33", plain},
                       {1, 1});
    thickness2Box = inCell({"Label3", QStringLiteral("tf2="), QString(), "Text2",
                            QStringLiteral("0.9"), FlangeThickness, "Label34", plain},
                           {2, 1});

    teeSwitch = addCheckBox(QStringLiteral("Check1"), QStringLiteral("Тавр\\Двутавр"),
                            QStringLiteral("Переключатель - Тавр/Двутавр"));
    sameWidth = addCheckBox(QStringLiteral("Check2"), QStringLiteral("B2= B1"),
                            QStringLiteral("Ширина полок одинакова"));
    sameThickness = addCheckBox(QStringLiteral("Check3"), QStringLiteral("tf2= tf1"),
                                QStringLiteral("Толщина полок одинакова"));
    sameWidth->setChecked(true);
    sameThickness->setChecked(true);
    addTie(sameWidth, width1Box, width2Box);
    addTie(sameThickness, thickness1Box, thickness2Box);
    // a tie puts the focus on its source; a release, on the freed box (addTie)
    for (const auto& tie : {std::pair(sameWidth, width1Box), {sameThickness, thickness1Box}})
        connect(tie.first, &QCheckBox::toggled, this, [this, source = tie.second](bool tied) {
            redraw();
            if (tied)
                source->setFocus();
        });
    connect(teeSwitch, &QCheckBox::toggled, this, &Form7::showTee);
    // the T-section has no flange 2: CalcIBeam takes 0 whatever its boxes hold
    for (QLineEdit* flange2 : {width2Box, thickness2Box})
        setUnused(flange2, [this] { return teeSwitch->isChecked(); });

    for (const ResultOutput& result : ResultsAboutBothAxes())
        addResult(result);
    // Yc is cleared by a unit switch like every other result: an old value under the new
    // unit's label would mislead
    ResultOutput centroid{"Label52",           QStringLiteral("Yc="),
                          "Label51",           QStringLiteral("Расстояние до центра тяжести"),
                          &velkor::figure::Yc, ResultColour::AboutX,
                          "Label50",           latin};
    centroid.cell = {1, 2}; // below the area
    addResult(centroid);
    bindInputs({heightBox, width1Box, thickness1Box, webBox, width2Box, thickness2Box},
               {sameWidth, sameThickness}, teeSwitch);
}

void Form7::showTee(bool tee)
{
    // Ticking the ties runs their own handlers: flange 2 back to full width, flange 1 to
    // its design thickness, the flange 2 boxes disabled copies of flange 1.
    sameWidth->setChecked(true);
    sameThickness->setChecked(true);
    sameWidth->setEnabled(!tee);
    sameThickness->setEnabled(!tee);

    redraw();

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

void Form7::redraw()
{
    drawing->showElements(IBeamSketch(
        {teeSwitch->isChecked(), !sameWidth->isChecked(), !sameThickness->isChecked()}));
}
