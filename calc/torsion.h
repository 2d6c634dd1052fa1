#pragma once

// St Venant's torsion constant It of the solid and closed sections.

#include "real.h"

namespace velkor {

// A solid rectangle a × b, by the exact series of the elasticity solution:
// It = (a·b³/3)·(1 − (192/π⁵)·(b/a)·Σ tanh(nπa/2b)/n⁵ over odd n), a ≥ b (either order
// may be given).
Real SolidRectangleTorsion(const Rational& width, const Rational& height);

// A closed box tube of outer width B and height H with walls b (vertical) and h
// (horizontal), by Bredt's formula on the wall centreline: 4·Am²/∮ds/t, with
// Am = (B − b)(H − h) and ∮ds/t = 2(H − h)/b + 2(B − b)/h.
Rational BredtTubeTorsion(const Rational& B, const Rational& b, const Rational& H,
                          const Rational& h);

} // namespace velkor
