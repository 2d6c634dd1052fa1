#include "frame_widgets.h"

#include "report_colours.h"

#include <QFrame>
#include <QGridLayout>

namespace {

QColor colourOf(ResultColour colour)
{
    switch (colour) {
    case ResultColour::AboutX:
        return report::AxisXColour;
    case ResultColour::AboutY:
        return report::AxisYColour;
    case ResultColour::Area:
        break;
    }
    return Qt::blue;
}

} // namespace

QLabel* captionLabel(const QString& name, const QString& text)
{
    return named(new QLabel(text), name);
}

QLabel* resultLabel(const QString& name, ResultColour colour)
{
    auto* label = named(new QLabel, name);
    label->setFrameShape(QFrame::Box);
    label->setMinimumWidth(110);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // a right click on a value offers the result area's menu, not a menu for the value alone
    label->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colourOf(colour));
    label->setPalette(palette);
    return label;
}

QFrame* blueRule()
{
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setLineWidth(1);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    rule->setPalette(palette);
    return rule;
}

QString unitText(velkor::LengthUnit unit, int power, bool latinC)
{
    if (power == velkor::Degrees)
        return QStringLiteral("°");
    QString text;
    switch (unit) {
    case velkor::LengthUnit::Millimetre:
        text = QStringLiteral("мм");
        break;
    case velkor::LengthUnit::Centimetre:
        text = latinC ? QStringLiteral("cм") : QStringLiteral("см");
        break;
    case velkor::LengthUnit::Metre:
        text = QStringLiteral("м");
        break;
    }
    return power > 1 ? text + QString::number(power) : text;
}

void placeInCell(QGridLayout* grid, GridCell cell, const std::array<QWidget*, 3>& widgets)
{
    const int row = cell.row < 0 ? grid->rowCount() : cell.row;
    for (int k = 0; k < 3; ++k)
        if (widgets[k] != nullptr)
            grid->addWidget(widgets[k], row, 4 * cell.column + k);
    if (cell.column > 0)
        grid->setColumnMinimumWidth(4 * cell.column - 1, 16);
}
