#include "round_section.h"

#include <cmath>

namespace velkor {

// The ten-digit value the published tables of this calculator were made with.
constexpr double Pi = 3.141592654;

SectionOutcome CalcRoundSection(const RoundSectionInput& input)
{
    const double D = input.D;
    const double t = input.solid ? D / 2 : input.t;
    if (D < 2 * t)
        return Refusal{"D должно быть больше или равно 2t"};
    if (D <= 0)
        return Refusal{"D должно быть больше нуля"};
    if (t <= 0)
        return Refusal{"t должно быть больше нуля"};

    const double d = D - 2 * t;
    const double I = (Pi * (std::pow(D, 4) - std::pow(d, 4))) / 64;
    const double W = I / (D / 2);
    const double A = (Pi * (D * D - d * d)) / 4;
    const double i = std::sqrt(I / A);
    return SectionProperties{{{"I", I, Inertia}, {"W", W, Modulus}, {"A", A, Area}, {"i", i, Length}},
                             A};
}

} // namespace velkor
