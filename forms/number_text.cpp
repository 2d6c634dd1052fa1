#include "number_text.h"

#include "numbers.h"
#include "truncation.h"

#include <QLocale>

char userDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    // The core writes single ASCII separators; anything exotic falls back to the point,
    // which every reading of the program accepts.
    return point == QStringLiteral(",") ? ',' : '.';
}

QString formatNumber(const velkor::Decimal& value)
{
    return QString::fromStdString(velkor::FormatLocale(value, userDecimalSeparator()));
}

QString formatDerived(const velkor::Rational& typed,
                      velkor::Real (*derive)(const velkor::Rational& typed))
{
    if (!velkor::IsOrdinary(typed))
        return {};
    return formatNumber(velkor::RoundedToSignificantDigits(derive(typed), 15));
}

velkor::Rational readNumber(const QString& text)
{
    return velkor::ToRational(velkor::Val(text.toStdString()));
}

QString versionText()
{
    return formatNumber(velkor::Val(velkor::VersionText));
}
