#include "round_section.h"

#include "axis_figures.h"
#include "design_figures.h"

namespace velkor {

const Rational& TablePi()
{
    static const Rational pi = Fraction(3141592654, 1000000000);
    return pi;
}

SectionOutcome CalcRoundSection(const RoundSectionInput& input, Scope scope)
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
    if (scope == Scope::All) {
        // about any diameter: the plastic axis is a diameter, (D³ − d³)/6; It = 2I exactly
        const Rational plastic = (D2 * D - d2 * d) / 6, centre = D / 2;
        const Rational outline = TablePi() * D;
        properties.add(figure::Wplx, plastic)
            .add(figure::Wply, plastic)
            .add(figure::xpl, centre)
            .add(figure::ypl, centre);
        for (const FigureKind* fibre : {&figure::W1x, &figure::W2x, &figure::W1y, &figure::W2y})
            properties.add(*fibre, W);
        properties.add(figure::Ip, Rational(2 * I)).add(figure::U, outline);
        if (sgn(d) > 0)
            properties.add(figure::Ui, Rational(TablePi() * d));
        properties.add(figure::surface, SurfacePerMetre(outline), model::OuterSurface)
            .add(figure::It, Rational(2 * I))
            .add(figure::xs, centre)
            .add(figure::ys, centre);
    }
    return properties;
}

} // namespace velkor
