#pragma once

#include "exact.h"
#include "real.h"
#include "velkor_version.h"

#include <QString>

#include <string_view>

// The calculation core's number rules with the user's decimal separator.

// The decimal separator of the user's regional settings ("," under a Russian locale).
char userDecimalSeparator();

// A number as written into captions and boxes: every digit, the user's separator.
QString formatNumber(const velkor::Decimal& value);
// A size derived from a typed one, as written into its box: 15 significant digits; nothing
// for a typed size outside the range of ordinary numbers, which no calculation accepts.
QString formatDerived(const velkor::Rational& typed,
                      velkor::Real (*derive)(const velkor::Rational& typed));

// A box's number, exactly as typed (0 when the text does not begin with one).
velkor::Rational readNumber(const QString& text);

// The program's version, shown on the menu, on every calculator and in the About box.
QString versionText();
