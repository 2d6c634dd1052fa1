#include "round_section.h"

#include "axis_figures.h"

namespace velkor {

const Rational& TablePi()
{
    static const Rational pi = Fraction(3141592654, 1000000000);
    return pi;
}

SectionOutcome CalcRoundSection(const RoundSectionInput& input)
{
    const Rational& D = input.D;
    const Rational t = input.solid ? Rational(D / 2) : input.t;
    if (D < 2 * t)
        return Refusal{"D должно быть больше или равно 2t"};
    if (sgn(D) <= 0)
        return Refusal{"D должно быть больше нуля"};
    if (sgn(t) <= 0)
        return Refusal{"t должно быть больше нуля"};

    const Rational d = D - 2 * t;
    const Rational D2 = D * D, d2 = d * d;
    const Rational I = TablePi() * (D2 * D2 - d2 * d2) / 64;
    const Rational W = I / (D / 2);
    const Rational A = TablePi() * (D2 - d2) / 4;
    SectionProperties properties{{}, A};
    properties.add(figure::I, I)
        .add(figure::W, W)
        .add(figure::i, RadiusOfGyration(I, A))
        .add(figure::A, A);
    return properties;
}

} // namespace velkor
