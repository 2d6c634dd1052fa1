#include "flanged_section_form.h"

#include "accessibility.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <utility>

namespace {

struct Tie {
    QCheckBox* check;
    QLineEdit* source;
    QLineEdit* tied;
};

} // namespace

FlangedSectionForm::FlangedSectionForm(PlatformServices& services,
                                       FlangedFormDescription description)
    : SectionForm(services, description.frame)
    , texts(std::move(description))
{
    // H, B1, t1 on the left and s, B2, t2 on the right; the tab order runs along the rows
    const auto input = [this](const char* captionName, const char* caption, const char* boxName,
                              const QString& text, const QString& toolTip, const char* unitName,
                              GridCell cell) {
        LengthInput box{captionName, caption, {}, boxName, text, toolTip, unitName};
        box.cell = cell;
        return addLengthInput(box).box;
    };
    height = input("Label13", "H=", "Text3", "20", texts.heightToolTip, "Label32", {0, 0});
    web = input("Label14", "s=", "Text4", "0.52", texts.webToolTip, "Label35", {0, 1});
    upperWidth = input("Label2", "B1=", "Text1", "9", texts.widthToolTip, "Label33", {1, 0});
    lowerWidth = input("Label55", "B2=", "Text7", "9", texts.widthToolTip, "Label53", {1, 1});
    upperThickness = input("Label3", "t1=", "Text2", texts.flangeThickness, texts.thicknessToolTip,
                           "Label34", {2, 0});
    lowerThickness = input("Label54", "t2=", "Text6", texts.flangeThickness, texts.thicknessToolTip,
                           "Label52", {2, 1});

    angleSwitch = addCheckBox("Check1", texts.switchCaption, texts.switchToolTip);
    equalLegs =
        addCheckBox("Check4", QStringLiteral("B2=  H"), QStringLiteral("Уголок равнополочный"));
    equalLegThickness = addCheckBox("Check5", QStringLiteral("t2=  s"),
                                    QStringLiteral("Толщина полок уголка одинакова"));
    equalWidths = addCheckBox("Check3", QStringLiteral("B1=  B2"),
                              QStringLiteral("Ширина полочок одинакова"));
    equalThicknesses = addCheckBox("Check2", QStringLiteral("t1=  t2"),
                                   QStringLiteral("Толщина полочок одинакова"));
    // the form opens as the flanged section with equal flanges; the angle's ties wait
    equalWidths->setChecked(true);
    equalThicknesses->setChecked(true);
    equalLegs->setEnabled(false);
    equalLegThickness->setEnabled(false);

    drawing = new SectionSketch(texts.sketchSize, texts.sketch(sketchState()));
    setSketch(drawing);

    const std::array<Tie, 4> ties = {{
        {equalLegs, height, lowerWidth},
        {equalLegThickness, web, lowerThickness},
        {equalWidths, lowerWidth, upperWidth},
        {equalThicknesses, lowerThickness, upperThickness},
    }};
    for (const Tie& tie : ties) {
        addTie(tie.check, tie.source, tie.tied);
        // released, the frame hands the focus to the freed box; applied, to its source
        connect(tie.check, &QCheckBox::toggled, this, [source = tie.source](bool on) {
            if (on && source->isEnabled())
                source->setFocus();
        });
    }
    for (QCheckBox* drawn : {equalLegs, equalLegThickness, equalWidths})
        connect(drawn, &QCheckBox::toggled, this, &FlangedSectionForm::redraw);
    connect(angleSwitch, &QCheckBox::toggled, this,
            [this](bool angle) { angle ? showAngle() : showFlangedSection(); });
    // a changed shape no longer has the axes of the results on show; the next calculation
    // draws its own
    for (QCheckBox* variant :
         {angleSwitch, equalLegs, equalLegThickness, equalWidths, equalThicknesses})
        connect(variant, &QCheckBox::toggled, this, [this] { showPrincipalAxes(std::nullopt); });

    addResults();
    addPrincipalAxesResults();
    bindInputs({height, web, upperWidth, upperThickness, lowerWidth, lowerThickness},
               {equalLegs, equalLegThickness, equalWidths, equalThicknesses}, angleSwitch);
    connect(this, &SectionForm::resultsShown, this, [this](const velkor::Display& shown) {
        const auto alpha = std::find_if(
            shown.figures.begin(), shown.figures.end(),
            [](const velkor::ShownFigure& f) { return f.kind == &velkor::figure::alpha; });
        showPrincipalAxes(alpha == shown.figures.end() ? std::nullopt
                                                       : std::optional(velkor::Approximately(
                                                             velkor::ToRational(alpha->value))));
    });
    connect(this, &SectionForm::resultsCleared, this, [this] { showPrincipalAxes(std::nullopt); });
}

// Three columns: the X values, the Y values, and the area, centroid distances and weight.
void FlangedSectionForm::addResults()
{
    const QString inertiaX = QStringLiteral("Момент инерции относительно оси Х");
    const QString inertiaY = QStringLiteral("Момент инерции относительно оси Y");
    const QString modulusX = QStringLiteral("Момент сопротивления относительно Х");
    const QString modulusY = QStringLiteral("Момент сопротивления относительно Y");
    const QString distanceX = QStringLiteral("Расстояние до центра тяжести в направлении оси Х");
    const QString distanceY = QStringLiteral("Расстояние до центра тяжести в направлении оси Y");
    const QString area = QStringLiteral("Площадь сечения");
    const QString radiusX = QStringLiteral("Радиус инерции относительно Х");
    const QString radiusY = QStringLiteral("Радиус инерции относительно Y");
    const QString staticX = QStringLiteral("Статический момент относительно оси Х");
    const QString staticY = QStringLiteral("Статический момент относительно оси Y");
    namespace figure = velkor::figure;
    constexpr auto X = ResultColour::AboutX, Y = ResultColour::AboutY, Blue = ResultColour::Area;
    constexpr auto Plain = UnitSpelling::Cyrillic, Latin = UnitSpelling::LatinAtDesign;
    const std::vector<ResultOutput> outputs = {
        {"Label4", "Ix=", "Label1", inertiaX, &figure::Ix, X, "Label36", Plain, {0, 0}},
        {"Label15", "Iy=", "Label16", inertiaY, &figure::Iy, Y, "Label37", Plain, {0, 1}},
        {"Label23", "A=", "Label28", area, &figure::A, Blue, "Label42", Plain, {0, 2}},
        {"Label19", "W1x=", "Label24", modulusX, &figure::W1x, X, "Label38", Plain, {1, 0}},
        {"Label20", "W1y=", "Label25", modulusY, &figure::W1y, Y, "Label39", Plain, {1, 1}},
        {"Label67", "Yc=", "Label66", distanceY, &figure::Yc, X, "Label65", Plain, {1, 2}},
        {"Label58", "W2x=", "Label57", modulusX, &figure::W2x, X, "Label56", Plain, {2, 0}},
        {"Label61", "W2y=", "Label60", modulusY, &figure::W2y, Y, "Label59", Plain, {2, 1}},
        {"Label62", "Xc=", "Label64", distanceX, &figure::Xc, Y, "Label63", Latin, {2, 2}},
        {"Label21", "ix=", "Label26", radiusX, &figure::ix, X, "Label40", Plain, {3, 0}},
        {"Label22", "iy=", "Label27", radiusY, &figure::iy, Y, "Label41", Plain, {3, 1}},
        {"Label46", "Sx=", "Label44", staticX, &figure::Sx, X, "Label47", Latin, {4, 0}},
        {"Label49", "Sy=", "Label45", staticY, &figure::Sy, Y, "Label48", Latin, {4, 1}},
    };
    for (const ResultOutput& output : outputs)
        addResult(output);
}

// Below the others, in a group of their own: the moments about the principal axes in the
// columns of X and Y, Ixy and the angle in the third.
void FlangedSectionForm::addPrincipalAxesResults()
{
    const QString maximum = QStringLiteral("Максимальный главный момент инерции");
    const QString minimum = QStringLiteral("Минимальный главный момент инерции");
    const QString product = QStringLiteral("Центробежный момент инерции");
    const QString radiusU = QStringLiteral("Максимальный радиус инерции");
    const QString radiusV = QStringLiteral("Минимальный радиус инерции");
    const QString angle = QStringLiteral("Угол между осью X и главной осью u");
    namespace figure = velkor::figure;
    // "Iu" names the caption CaptionIu, the result LabelIu and the unit label UnitIu
    const auto row = [](const QString& name, const QString& caption, const QString& toolTip,
                        const velkor::FigureKind& shown, GridCell cell) {
        return ResultOutput{QStringLiteral("Caption") + name,
                            caption,
                            QStringLiteral("Label") + name,
                            toolTip,
                            &shown,
                            ResultColour::Area,
                            QStringLiteral("Unit") + name,
                            UnitSpelling::Cyrillic,
                            cell};
    };
    addResultGroup(QStringLiteral("FramePrincipalAxes"), QStringLiteral("Главные оси"),
                   {
                       row("Iu", "Iu=", maximum, figure::Iu, {0, 0}),
                       row("Iv", "Iv=", minimum, figure::Iv, {0, 1}),
                       row("Ixy", "Ixy=", product, figure::Ixy, {0, 2}),
                       row("RadiusU", "iu=", radiusU, figure::iu, {1, 0}),
                       row("RadiusV", "iv=", radiusV, figure::iv, {1, 1}),
                       row("Alpha", "α=", angle, figure::alpha, {1, 2}),
                   });
}

void FlangedSectionForm::showPrincipalAxes(std::optional<double> alpha)
{
    principalAngle = alpha;
    redraw();
}

void FlangedSectionForm::showAngle()
{
    // the flange ties give way to the angle's: the legs tied in thickness
    for (QCheckBox* flangeTie : {equalWidths, equalThicknesses}) {
        flangeTie->setChecked(false);
        flangeTie->setEnabled(false);
    }
    equalLegs->setEnabled(true);
    equalLegs->setChecked(false);
    equalLegThickness->setEnabled(true);
    equalLegThickness->setChecked(true);
    if (!texts.angleHeightToolTip.isEmpty()) {
        setHint(height, texts.angleHeightToolTip);
        setHint(web, texts.angleWebToolTip);
    }
    // the angle has no upper flange; its boxes show so
    for (QLineEdit* box : {upperWidth, upperThickness}) {
        box->setText(QStringLiteral("0"));
        setLengthEnabled(box, false);
    }
    redraw();
    setWindowTitle(QStringLiteral("Уголковое сечение"));
    height->setFocus();
}

void FlangedSectionForm::showFlangedSection()
{
    equalWidths->setEnabled(true);
    equalThicknesses->setEnabled(true);
    if (texts.flangesTiedAfterAngle) {
        equalWidths->setChecked(true);
        equalThicknesses->setChecked(true);
    }
    for (QCheckBox* angleTie : {equalLegs, equalLegThickness}) {
        angleTie->setChecked(false);
        angleTie->setEnabled(false);
    }
    if (!texts.angleHeightToolTip.isEmpty()) {
        setHint(height, texts.heightToolTip);
        setHint(web, texts.webToolTip);
    }
    // The upper flange starts as a copy of the lower one. A box held by a tie stays
    // disabled: the calculation takes its source, so an enabled box would be ignored.
    upperWidth->setText(lowerWidth->text());
    upperThickness->setText(lowerThickness->text());
    setLengthEnabled(upperWidth, !equalWidths->isChecked());
    setLengthEnabled(upperThickness, !equalThicknesses->isChecked());
    redraw();
    setWindowTitle(texts.sectionCaption);
    height->setFocus(); // the first box, which nothing ever disables
}

FlangedSketchState FlangedSectionForm::sketchState() const
{
    return {angleSwitch->isChecked(), equalWidths->isChecked(), equalLegs->isChecked(),
            equalLegThickness->isChecked(), principalAngle};
}

// The sketch is a function of the check boxes.
void FlangedSectionForm::redraw()
{
    drawing->showElements(texts.sketch(sketchState()));
}
