#include "form9.h"

#include "flanged_sketches.h"

namespace {

FlangedFormDescription zSection()
{
    FlangedFormDescription d;
    d.frame.caption = QStringLiteral("Z-образное сечение");
    d.frame.section = "zsection";
    d.frame.legend =
        QStringLiteral("I - момент инерции;"
                       "           W - момент сопротивления;"
                       "   i - радиус инерции;"
                       "                  A - площадь сечения;"
                       "       S - статический момент полусечения;"
                       "                           Хс - расстояние до центра тяжести от оси Y;"
                       "              Yc - расстояние до центра тяжести от оси Х.");
    d.frame.printToolTip = QStringLiteral("Вывод окна на принтер");
    d.frame.checkBoxesBelowPrecision = true;
    d.frame.weightCell = GridCell{3, 2};
    d.sectionCaption = d.frame.caption;
    d.heightToolTip = QStringLiteral("Высота двутавра");
    d.webToolTip = QStringLiteral("Толщина стенки двутавра");
    d.widthToolTip = QStringLiteral("Ширина двутавра");
    d.thicknessToolTip = QStringLiteral("Толщина полки двутавра");
    d.flangeThickness = QStringLiteral("0.9");
    d.switchCaption = QStringLiteral("Z / L");
    d.switchToolTip = QStringLiteral("Переключатель - Z-сечение/Уголок");
    d.sketchSize = ZSectionSketchSize;
    d.sketch = &ZSectionSketch;
    return d;
}

} // namespace

Form9::Form9(PlatformServices& services)
    : FlangedSectionForm(services, zSection())
{
}
