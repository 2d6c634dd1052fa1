#pragma once

// The values a standard prints beside those computed from the profile's own geometry.
// The rule: the computed value is rounded half up at the place of the printed text's last
// digit and compared with the text (an integer's trailing zeros are not significant, but
// at least three significant figures are compared: "1840" to tens, "100" to units). The
// tables were partly computed from rounded values, so one unit either way still agrees.

#include "arc_section.h"
#include "sortament/standards.h"
#include "units.h"

#include <string>
#include <vector>

namespace velkor::sortament {

enum class Agreement { Exact, WithinOneUnit, Differs };

struct PrintedComparison {
    const PrintedValue* printed = nullptr;
    // the figure it stands for; nothing for one computed only to be compared (tgα, Avz)
    // or one that is only informative (the European tables' It and Iw)
    const FigureKind* kind = nullptr;
    bool compared = true; // false for an informative value
    int power = 0;        // of the centimetre the value is printed in (0: kg/m, m²/m, tgα)
    long place = 0;       // the printed text's last compared digit is at 10^place
    Integer printedUnits, computedUnits; // both rounded to units of 10^place
    Agreement agreement = Agreement::Exact;
    double offBy = 0;         // (computed − printed) in units of 10^place, unrounded
    std::string computedText; // the computed value rounded as printed, "88.58"
};

// Every printed value of the profile, in the table's order, beside the computed one.
std::vector<PrintedComparison> CompareWithPrinted(const Profile& profile,
                                                  const ArcSectionFigures& figures);

// The place of the last compared digit of a printed text, by the rule above.
long ComparedPlace(std::string_view printed);

// A printed value in `unit` (the standards print in centimetres) as a decimal: exactly
// the digits printed, moved by the unit's power; the mass (kg/m), the painted surface
// (m²/m) and tgα are the same in every unit.
Decimal PrintedInUnit(const PrintedComparison& comparison, LengthUnit unit);

} // namespace velkor::sortament
