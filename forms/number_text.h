#pragma once

#include "velkor_version.h"

#include <QString>

// The calculation core's number rules with the user's decimal separator.

// The decimal separator of the user's regional settings ("," under a Russian locale).
char userDecimalSeparator();

// A number as written into captions and boxes: 15 significant digits, the user's separator.
QString formatNumber(double value);

// The program's version, shown on the menu, on every calculator and in the About box.
inline constexpr double AppVersion = velkor::VersionNumber;
