#include "form8.h"

#include "flanged_sketches.h"

namespace {

FlangedFormDescription channel()
{
    FlangedFormDescription d;
    d.frame.caption = QStringLiteral("С-образное сечение");
    d.frame.section = "channel";
    d.frame.legend =
        QStringLiteral("I - момент инерции;"
                       "           W - момент сопротивления;"
                       "  i - радиус инерции;"
                       "                A - площадь сечения;"
                       "          S - статический момент полусечения;"
                       "                           Хс - расстояние до центра тяжести от оси Y;"
                       "              Yc - расстояние до центра тяжести от оси Х.");
    d.frame.checkBoxesBelowPrecision = true;
    d.frame.weightCell = GridCell{3, 2};
    d.sectionCaption = QStringLiteral("C-образное сечение");
    d.heightToolTip = QStringLiteral("Высота стенки швеллера");
    d.webToolTip = QStringLiteral("Толщина стенки швеллера");
    d.widthToolTip = QStringLiteral("Ширина полки");
    d.thicknessToolTip = QStringLiteral("Толщина полки");
    // in the angle H and s are the legs
    d.angleHeightToolTip = d.widthToolTip;
    d.angleWebToolTip = d.thicknessToolTip;
    d.flangeThickness = QStringLiteral("1");
    d.switchCaption = QStringLiteral("Швеллер/Уголок");
    d.switchToolTip = QStringLiteral("Переключатель - Швеллер/Уголок");
    d.flangesTiedAfterAngle = true;
    d.sketchSize = ChannelSketchSize;
    d.sketch = &ChannelSketch;
    return d;
}

} // namespace

Form8::Form8(PlatformServices& services)
    : FlangedSectionForm(services, channel())
{
}
