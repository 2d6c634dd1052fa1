#include "accessibility.h"

#include <QLabel>

void setHint(QWidget* widget, const QString& toolTip)
{
    widget->setToolTip(toolTip);
    widget->setAccessibleDescription(toolTip);
}

void describeResult(QLabel* result, const QString& caption, const QString& toolTip)
{
    result->setToolTip(toolTip);
    result->setAccessibleDescription(caption + QLatin1Char(' ') + toolTip);
}
