#include "real.h"

#include <cmath>
#include <stdexcept>

namespace velkor {
namespace {

using QuadraticForm = real_forms::Quadratic;
using NestedForm = real_forms::Nested;
using EnclosedForm = real_forms::Enclosed;

int signOf(int comparison)
{
    return (comparison > 0) - (comparison < 0);
}

Integer floorDivision(const Integer& numerator, const Integer& denominator)
{
    Integer quotient;
    mpz_fdiv_q(quotient.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    return quotient;
}

Integer floorOf(const Rational& q)
{
    return floorDivision(q.get_num(), q.get_den());
}

bool isSquare(const Integer& n)
{
    return mpz_perfect_square_p(n.get_mpz_t()) != 0;
}

// A root of 0 or of a square is no root.
QuadraticForm canonical(QuadraticForm q)
{
    if (q.rootSign == 0 || sgn(q.radicand) == 0)
        return {std::move(q.rational), 0, 0, std::move(q.denominator)};
    if (isSquare(q.radicand))
        return {q.rational + q.rootSign * sqrt(q.radicand), 0, 0, std::move(q.denominator)};
    return q;
}

// The sign of a + s·√t.
int signOfSum(const Integer& a, int s, const Integer& t)
{
    const int sa = sgn(a);
    if (s == 0)
        return sa;
    if (s > 0)
        return sa >= 0 ? 1 : signOf(cmp(t, a * a));
    return sa <= 0 ? -1 : signOf(cmp(a * a, t));
}

// ⌊(a + s·√t)/d⌋: the numerator lies strictly between two integers n and n + 1 (or is
// one), and no multiple of d lies strictly between them, so ⌊n/d⌋ is the answer.
Integer floorOfQuadratic(const QuadraticForm& q)
{
    return floorDivision(FloorOfSum(q.rational, q.rootSign, q.radicand), q.denominator);
}

} // namespace

Integer FloorOfSum(const Integer& a, int s, const Integer& t)
{
    if (s == 0)
        return a;
    const Integer root = sqrt(t); // ⌊√t⌋ < √t < ⌊√t⌋ + 1
    return s > 0 ? Integer(a + root) : Integer(a - root - 1);
}

Real::Real(const Rational& value)
    : form(QuadraticForm{value.get_num(), 0, 0, value.get_den()})
{
}

Real::Real(long value)
    : form(QuadraticForm{value, 0, 0, 1})
{
}

Real::Real(QuadraticForm quadratic)
    : form(canonical(std::move(quadratic)))
{
}

// r + s·√(vn/vd) with r = p/q is (p·vd + s·√(q²·vn·vd)) / (q·vd).
Real Real::Quadratic(const Rational& r, int sign, const Rational& v)
{
    const Integer& q = r.get_den();
    const Integer& vd = v.get_den();
    return Real(QuadraticForm{r.get_num() * vd, sign, q * q * v.get_num() * vd, q * vd});
}

Real Real::SquareRoot(const Rational& q)
{
    return Quadratic(0, 1, q);
}

Real Real::SquareRoot(const Integer& n, const Integer& d)
{
    return Real(QuadraticForm{0, 1, n * d, d}); // √(n·d)/d
}

Real Real::Surd(const Rational& c, const Rational& k)
{
    return Quadratic(0, sgn(c), c * c * k);
}

Real Real::Enclosing(std::shared_ptr<const Enclosure> value)
{
    Real number;
    number.form = EnclosedForm{std::move(value)};
    return number;
}

bool Real::isRational() const
{
    const auto* q = std::get_if<QuadraticForm>(&form);
    return q != nullptr && q->rootSign == 0;
}

Rational Real::rationalValue() const
{
    const auto& q = std::get<QuadraticForm>(form);
    Rational value(q.rational, q.denominator);
    value.canonicalize();
    return value;
}

Real Real::operator+(const Rational& c) const
{
    const Integer& cn = c.get_num();
    const Integer& cd = c.get_den();
    if (const auto* q = std::get_if<QuadraticForm>(&form))
        return Real(QuadraticForm{q->rational * cd + cn * q->denominator, q->rootSign,
                                  q->radicand * cd * cd, q->denominator * cd});
    if (const auto* n = std::get_if<NestedForm>(&form)) {
        // (c + √w)/d + cn/cd = (c·cd + cn·d + √(cd²·w)) / (d·cd)
        const Integer square = cd * cd;
        Real sum;
        sum.form = NestedForm{
            n->shift * cd + cn * n->denominator,
            {n->inner.rational * square, n->inner.rootSign, n->inner.radicand * square * square, 1},
            n->denominator * cd};
        return sum;
    }
    Real sum = *this;
    std::get<EnclosedForm>(sum.form).shift += c;
    return sum;
}

Real Real::operator*(const Rational& c) const
{
    const Integer& cn = c.get_num();
    const Integer& cd = c.get_den();
    if (const auto* q = std::get_if<QuadraticForm>(&form))
        return Real(QuadraticForm{q->rational * cn, q->rootSign * sgn(cn), q->radicand * cn * cn,
                                  q->denominator * cd});
    if (sgn(cn) == 0)
        return Real();
    if (sgn(cn) < 0)
        throw std::logic_error("a root or an enclosed number scaled by a negative number");
    Real product;
    if (const auto* n = std::get_if<NestedForm>(&form)) {
        const Integer square = cn * cn;
        product.form = NestedForm{
            n->shift * cn,
            {n->inner.rational * square, n->inner.rootSign, n->inner.radicand * square * square, 1},
            n->denominator * cd};
    } else {
        EnclosedForm enclosed = std::get<EnclosedForm>(form);
        enclosed.scale *= c;
        enclosed.shift *= c;
        product.form = std::move(enclosed);
    }
    return product;
}

Real Real::operator/(const Rational& c) const
{
    return *this * Rational(1 / c);
}

// s·√t/d, possibly with t a square: a rational or a surd without a rational part.
bool Real::plainSurd(const QuadraticForm*& surd) const
{
    surd = std::get_if<QuadraticForm>(&form);
    return surd != nullptr && (surd->rootSign == 0 || sgn(surd->rational) == 0);
}

namespace {

// s·√t/d of a rational or a plain surd: sign, radicand and denominator.
void asSurd(const QuadraticForm& q, int& sign, Integer& radicand, Integer& denominator)
{
    denominator = q.denominator;
    if (q.rootSign == 0) {
        sign = sgn(q.rational);
        radicand = q.rational * q.rational;
    } else {
        sign = q.rootSign;
        radicand = q.radicand;
    }
}

} // namespace

Real operator*(const Real& a, const Real& b)
{
    if (b.isRational())
        return a * b.rationalValue();
    if (a.isRational())
        return b * a.rationalValue();
    const QuadraticForm *qa = nullptr, *qb = nullptr;
    if (!a.plainSurd(qa) || !b.plainSurd(qb))
        throw std::logic_error("a product the exact numbers do not hold");
    return Real(QuadraticForm{0, qa->rootSign * qb->rootSign, qa->radicand * qb->radicand,
                              qa->denominator * qb->denominator});
}

Real operator/(const Real& a, const Real& b)
{
    if (b.isRational())
        return a / b.rationalValue();
    const QuadraticForm *qa = nullptr, *qb = nullptr;
    if (!a.plainSurd(qa) || !b.plainSurd(qb))
        throw std::logic_error("a quotient the exact numbers do not hold");
    int sa = 0, sb = 0;
    Integer ta, da, tb, db;
    asSurd(*qa, sa, ta, da);
    asSurd(*qb, sb, tb, db);
    // (sa·√ta/da) / (sb·√tb/db) = sa·sb·db·√(ta·tb) / (da·tb)
    const int s = sa * sb;
    return Real(QuadraticForm{0, s, db * db * ta * tb, da * tb});
}

Real Sqrt(const Real& x)
{
    const auto& q = std::get<QuadraticForm>(x.form);
    // √((a + s·√t)/d) = √(a·d + s·√(d²·t)) / d
    if (q.rootSign == 0)
        return Real(QuadraticForm{0, 1, q.rational * q.denominator, q.denominator});
    Real root;
    root.form = NestedForm{
        0,
        {q.rational * q.denominator, q.rootSign, q.denominator * q.denominator * q.radicand, 1},
        q.denominator};
    return root;
}

int Real::sign() const
{
    if (const auto* q = std::get_if<QuadraticForm>(&form))
        return signOfSum(q->rational, q->rootSign, q->radicand);
    if (const auto* n = std::get_if<NestedForm>(&form)) {
        // c + √w: the root is not negative
        if (sgn(n->shift) >= 0)
            return sgn(n->shift) > 0 ||
                           signOfSum(n->inner.rational, n->inner.rootSign, n->inner.radicand) != 0
                       ? 1
                       : 0;
        // c < 0: the sign of w − c²
        return signOfSum(n->inner.rational - n->shift * n->shift, n->inner.rootSign,
                         n->inner.radicand);
    }
    int result = 0;
    Refine(std::get<EnclosedForm>(form), [&](const Rational& low, const Rational& high) {
        result = sgn(low) > 0 ? 1 : sgn(high) < 0 ? -1 : 0;
        return result != 0;
    });
    return result;
}

Integer Real::floor() const
{
    if (const auto* q = std::get_if<QuadraticForm>(&form))
        return floorOfQuadratic(*q);
    if (const auto* n = std::get_if<NestedForm>(&form)) {
        // ⌊√w⌋ = ⌊√⌊w⌋⌋, and (c + √w)/d lies in [c + r, c + r + 1)/d with r = ⌊√w⌋
        Integer inner = floorOfQuadratic(n->inner);
        if (sgn(inner) < 0)
            inner = 0;
        return floorDivision(n->shift + sqrt(inner), n->denominator);
    }
    Integer result;
    Refine(std::get<EnclosedForm>(form), [&](const Rational& low, const Rational& high) {
        result = floorOf(low);
        return result == floorOf(high);
    });
    return result;
}

Integer Real::ceil() const
{
    if (const auto* q = std::get_if<QuadraticForm>(&form))
        return -floorOfQuadratic({-q->rational, -q->rootSign, q->radicand, q->denominator});
    Integer k = floor();
    if (compare(Rational(k)) != 0)
        ++k;
    return k;
}

double Real::approximately() const
{
    const auto quadratic = [](const QuadraticForm& q) {
        return (q.rational.get_d() + q.rootSign * std::sqrt(q.radicand.get_d())) /
               q.denominator.get_d();
    };
    if (const auto* q = std::get_if<QuadraticForm>(&form))
        return quadratic(*q);
    if (const auto* n = std::get_if<NestedForm>(&form))
        return (n->shift.get_d() + std::sqrt(std::max(0.0, quadratic(n->inner)))) /
               n->denominator.get_d();
    const auto& enclosed = std::get<EnclosedForm>(form);
    return enclosed.shift.get_d() + enclosed.scale.get_d() * enclosed.value->approximately();
}

} // namespace velkor
