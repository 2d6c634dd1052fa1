#include "axis_results.h"

// Three columns: the values about X, those about Y, and the area, beside which each form
// puts its weight (and the I-section its centroid) in rows 1 and 2 of the third column.
// The tooltips write the X axis with the Cyrillic letter "Х" (\u0425), the Y axis with a
// Latin one; the static-moment unit labels start with a Latin "c" until the first switch.
const std::vector<ResultOutput>& ResultsAboutBothAxes()
{
    static const std::vector<ResultOutput> results = [] {
        std::vector<ResultOutput> rows = {
            {"Label4", QStringLiteral("Ix="), "Label1",
             QStringLiteral("Момент инерции относительно оси \u0425"), &velkor::figure::Ix,
             ResultColour::AboutX, "Label36"},
            {"Label15", QStringLiteral("Iy="), "Label16",
             QStringLiteral("Момент инерции относительно оси Y"), &velkor::figure::Iy,
             ResultColour::AboutY, "Label37"},
            {"Label19", QStringLiteral("Wx="), "Label24",
             QStringLiteral("Момент сопротивления относительно \u0425"), &velkor::figure::Wx,
             ResultColour::AboutX, "Label38"},
            {"Label20", QStringLiteral("Wy="), "Label25",
             QStringLiteral("Момент сопротивления относительно Y"), &velkor::figure::Wy,
             ResultColour::AboutY, "Label39"},
            {"Label21", QStringLiteral("ix="), "Label26",
             QStringLiteral("Радиус инерции относительно \u0425"), &velkor::figure::ix,
             ResultColour::AboutX, "Label40"},
            {"Label22", QStringLiteral("iy="), "Label27",
             QStringLiteral("Радиус инерции относительно Y"), &velkor::figure::iy,
             ResultColour::AboutY, "Label41"},
            {"Label23", QStringLiteral("A="), "Label28", QStringLiteral("Площадь сечения"),
             &velkor::figure::A, ResultColour::Area, "Label42"},
            {"Label46", QStringLiteral("Sx="), "Label44",
             QStringLiteral("Статический момент относительно оси \u0425"), &velkor::figure::Sx,
             ResultColour::AboutX, "Label47", UnitSpelling::LatinAtDesign},
            {"Label49", QStringLiteral("Sy="), "Label45",
             QStringLiteral("Статический момент относительно оси Y"), &velkor::figure::Sy,
             ResultColour::AboutY, "Label48", UnitSpelling::LatinAtDesign},
        };
        const GridCell cells[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0},
                                  {2, 1}, {0, 2}, {3, 0}, {3, 1}};
        for (std::size_t k = 0; k < rows.size(); ++k)
            rows[k].cell = cells[k];
        return rows;
    }();
    return results;
}
