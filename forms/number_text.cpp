#include "number_text.h"

#include "numbers.h"

#include <QLocale>

char userDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    // The core writes single ASCII separators; anything exotic falls back to the point,
    // which every reading of the program accepts.
    return point == QStringLiteral(",") ? ',' : '.';
}

QString formatNumber(double value)
{
    return QString::fromStdString(velkor::FormatLocale(value, userDecimalSeparator()));
}
