#include "arc_numbers.h"

#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <numbers>
#include <stdexcept>

namespace velkor {
namespace {

// The balls of √d and τ = atan k at the last precision asked for on this thread: the same
// few fields are met again and again.
struct FieldBalls {
    const SlopeField* field = nullptr;
    long bits = 0;
    Ball root, angle;
};

const FieldBalls& ballsOf(const SlopeField* field)
{
    thread_local FieldBalls last;
    if (last.field != field || last.bits != WorkingPrecision::bits()) {
        last.field = field;
        last.bits = WorkingPrecision::bits();
        last.root = Sqrt(Ball(field->radicand));
        last.angle = Atan(Ball(field->slope));
    }
    return last;
}

bool isRationalSquare(const Rational& q)
{
    return sgn(q) >= 0 && mpz_perfect_square_p(q.get_num_mpz_t()) != 0 &&
           mpz_perfect_square_p(q.get_den_mpz_t()) != 0;
}

} // namespace

const SlopeField* SlopeField::Of(const Rational& typed)
{
    Rational slope = typed;
    slope.canonicalize();
    // τ must lie strictly between 0 and π/4, where it is no rational multiple of π
    if (!(sgn(slope) > 0 && slope < 1))
        throw std::invalid_argument("a face slope outside (0, 1)");
    static std::mutex guard;
    static std::map<Rational, std::unique_ptr<SlopeField>> fields;
    const std::lock_guard<std::mutex> lock(guard);
    auto& field = fields[slope];
    if (!field) {
        // made once and kept for the program's life, like the numbers that refer to it
        field = std::make_unique<SlopeField>();
        field->slope = slope;
        field->radicand = 1 + slope * slope;
        fmpq_set_mpq(field->d, field->radicand.get_mpq_t());
    }
    return field.get();
}

namespace {

Rational rationalOf(const fmpq_t q)
{
    Rational value;
    fmpq_get_mpq(value.get_mpq_t(), q);
    return value;
}

void set(fmpq_t q, const Rational& value)
{
    fmpq_set_mpq(q, value.get_mpq_t());
}

} // namespace

RootNumber::RootNumber()
{
    fmpq_init(a);
    fmpq_init(b);
}

RootNumber::RootNumber(const Rational& value)
    : RootNumber()
{
    set(a, value);
}

RootNumber::RootNumber(long value)
    : RootNumber()
{
    fmpq_set_si(a, value, 1);
}

RootNumber::RootNumber(const Rational& rational, const Rational& root, const SlopeField* field)
    : RootNumber()
{
    set(a, rational);
    set(b, root);
    if (!isRational() && field == nullptr)
        throw std::logic_error("a root part without its field");
    in = isRational() ? nullptr : field;
}

RootNumber::RootNumber(const RootNumber& other)
    : RootNumber()
{
    fmpq_set(a, other.a);
    fmpq_set(b, other.b);
    in = other.in;
}

RootNumber::RootNumber(RootNumber&& other) noexcept
    : RootNumber()
{
    fmpq_swap(a, other.a);
    fmpq_swap(b, other.b);
    in = other.in;
}

RootNumber& RootNumber::operator=(const RootNumber& other)
{
    fmpq_set(a, other.a);
    fmpq_set(b, other.b);
    in = other.in;
    return *this;
}

RootNumber& RootNumber::operator=(RootNumber&& other) noexcept
{
    fmpq_swap(a, other.a);
    fmpq_swap(b, other.b);
    in = other.in;
    return *this;
}

RootNumber::~RootNumber()
{
    fmpq_clear(a);
    fmpq_clear(b);
}

Rational RootNumber::rationalPart() const
{
    return rationalOf(a);
}

Rational RootNumber::rootPart() const
{
    return rationalOf(b);
}

RootNumber RootOf(const SlopeField* field)
{
    if (isRationalSquare(field->radicand))
        return RootNumber(
            Fraction(sqrt(field->radicand.get_num()), sqrt(field->radicand.get_den())));
    return RootNumber(0, 1, field);
}

const SlopeField* RootNumber::common(const RootNumber& other) const
{
    if (in != nullptr && other.in != nullptr && in != other.in)
        throw std::logic_error("numbers of two different fields");
    return in != nullptr ? in : other.in;
}

int RootNumber::sign() const
{
    const int sa = fmpq_sgn(a), sb = fmpq_sgn(b);
    if (sb == 0)
        return sa;
    if (sa == 0 || sa == sb)
        return sb;
    // opposite signs: whichever of a² and b²·d is larger
    fmpq_t aa, bbd;
    fmpq_init(aa);
    fmpq_init(bbd);
    fmpq_mul(aa, a, a);
    fmpq_mul(bbd, b, b);
    fmpq_mul(bbd, bbd, in->d);
    const int c = fmpq_cmp(aa, bbd);
    fmpq_clear(aa);
    fmpq_clear(bbd);
    return c > 0 ? sa : c < 0 ? sb : 0;
}

bool RootNumber::operator==(const RootNumber& other) const
{
    return fmpq_equal(a, other.a) != 0 && fmpq_equal(b, other.b) != 0;
}

RootNumber RootNumber::operator-() const
{
    RootNumber negated;
    fmpq_neg(negated.a, a);
    fmpq_neg(negated.b, b);
    negated.in = in;
    return negated;
}

RootNumber& RootNumber::operator+=(const RootNumber& other)
{
    fmpq_add(a, a, other.a);
    if (!other.isRational()) {
        in = common(other);
        fmpq_add(b, b, other.b);
    }
    if (isRational())
        in = nullptr;
    return *this;
}

RootNumber& RootNumber::operator-=(const RootNumber& other)
{
    fmpq_sub(a, a, other.a);
    if (!other.isRational()) {
        in = common(other);
        fmpq_sub(b, b, other.b);
    }
    if (isRational())
        in = nullptr;
    return *this;
}

RootNumber& RootNumber::operator*=(const RootNumber& other)
{
    if (other.isRational()) {
        fmpq_mul(a, a, other.a);
        fmpq_mul(b, b, other.a);
        if (isRational())
            in = nullptr;
        return *this;
    }
    if (isRational()) {
        fmpq_mul(b, a, other.b);
        fmpq_mul(a, a, other.a);
        in = isRational() ? nullptr : other.in;
        return *this;
    }
    in = common(other);
    // (a + b√d)(c + e√d) = (ac + be·d) + (ae + bc)√d
    fmpq_t ac, be, ae;
    fmpq_init(ac);
    fmpq_init(be);
    fmpq_init(ae);
    fmpq_mul(ac, a, other.a);
    fmpq_mul(be, b, other.b);
    fmpq_mul(be, be, in->d);
    fmpq_mul(ae, a, other.b);
    fmpq_mul(b, b, other.a);
    fmpq_add(b, b, ae);
    fmpq_add(a, ac, be);
    fmpq_clear(ac);
    fmpq_clear(be);
    fmpq_clear(ae);
    if (isRational())
        in = nullptr;
    return *this;
}

RootNumber& RootNumber::operator/=(const RootNumber& other)
{
    if (other.sign() == 0)
        throw std::domain_error("a division by zero");
    if (other.isRational()) {
        fmpq_div(a, a, other.a);
        fmpq_div(b, b, other.a);
        return *this;
    }
    // times the conjugate, over the norm c² − e²·d (not 0 unless d is a square)
    RootNumber conjugate = other;
    fmpq_neg(conjugate.b, conjugate.b);
    fmpq_t norm, ee;
    fmpq_init(norm);
    fmpq_init(ee);
    fmpq_mul(norm, other.a, other.a);
    fmpq_mul(ee, other.b, other.b);
    fmpq_mul(ee, ee, other.in->d);
    fmpq_sub(norm, norm, ee);
    *this *= conjugate;
    fmpq_div(a, a, norm);
    fmpq_div(b, b, norm);
    fmpq_clear(norm);
    fmpq_clear(ee);
    return *this;
}

Ball RootNumber::ball() const
{
    Ball value;
    arb_set_fmpq(value.get(), a, WorkingPrecision::bits());
    if (!isRational()) {
        Ball root;
        arb_set_fmpq(root.get(), b, WorkingPrecision::bits());
        value += root * ballsOf(in).root;
    }
    return value;
}

double RootNumber::approximately() const
{
    double value = fmpq_get_d(a);
    if (!isRational())
        value += fmpq_get_d(b) * std::sqrt(in->radicand.get_d());
    return value;
}

Angle Angle::operator+(const Angle& other) const
{
    return {turns + other.turns, slopes + other.slopes, field != nullptr ? field : other.field};
}

Angle Angle::operator-(const Angle& other) const
{
    return *this + (-other);
}

double Angle::approximately() const
{
    double radians = turns.get_d() * std::numbers::pi;
    if (slopes != 0)
        radians += static_cast<double>(slopes) * std::atan(field->slope.get_d());
    return radians;
}

Ball Angle::ball() const
{
    Ball radians = Ball(turns) * Ball::Pi();
    if (slopes != 0)
        radians += Ball(slopes) * ballsOf(field).angle;
    return radians;
}

Angle DirectionAngle(const RootNumber& x, const RootNumber& y, const SlopeField* field)
{
    const int sx = x.sign(), sy = y.sign();
    if (sx == 0 && sy == 0)
        throw std::logic_error("the direction of no length");
    if (sy == 0)
        return {sx > 0 ? 0 : 1, 0, nullptr};
    if (sx == 0)
        return {Rational(sy, 2), 0, nullptr};
    if (field == nullptr)
        throw std::logic_error("a sloped direction without its slope");
    const RootNumber ratio = y / x;
    const Rational& k = field->slope;
    // along the face (y/x = ±k) or across it (y/x = ∓1/k), in the quadrant of (x, y)
    Angle angle;
    if (ratio == RootNumber(k))
        angle = {0, 1, field};
    else if (ratio == RootNumber(Rational(-k)))
        angle = {0, -1, field};
    else if (ratio == RootNumber(Rational(1 / k)))
        angle = {Rational(1, 2), -1, field};
    else if (ratio == RootNumber(Rational(-1 / k)))
        angle = {Rational(-1, 2), 1, field};
    else
        throw std::logic_error("a direction neither along the axes nor along the slope");
    if (sx < 0)
        angle.turns += angle.approximately() > 0 ? -1 : 1;
    return angle;
}

ExactValue::ExactValue(RootNumber algebraic)
    : c0(std::move(algebraic))
{
}

ExactValue::ExactValue(long value)
    : c0(value)
{
}

ExactValue ExactValue::OfAngle(const Angle& angle)
{
    ExactValue value;
    value.c1 = angle.turns;
    value.c2 = Rational(angle.slopes);
    value.field = angle.slopes != 0 ? angle.field : nullptr;
    return value;
}

bool ExactValue::operator==(const ExactValue& other) const
{
    return c0 == other.c0 && c1 == other.c1 && c2 == other.c2;
}

int ExactValue::sign() const
{
    if (isAlgebraic())
        return c0.sign();
    // not 0: the balls leave it, at a precision far below the limit for any outline
    return RefinedSign([&] { return ball(); }, 1L << 20);
}

ExactValue ExactValue::operator-() const
{
    ExactValue negated = *this;
    negated.c0 = -c0;
    negated.c1 = -c1;
    negated.c2 = -c2;
    return negated;
}

ExactValue& ExactValue::operator+=(const ExactValue& other)
{
    c0 += other.c0;
    c1 += other.c1;
    c2 += other.c2;
    if (field == nullptr)
        field = other.field;
    return *this;
}

ExactValue& ExactValue::operator-=(const ExactValue& other)
{
    return *this += -other;
}

ExactValue& ExactValue::operator*=(const RootNumber& factor)
{
    c0 *= factor;
    if (!c1.isZero())
        c1 *= factor;
    if (!c2.isZero())
        c2 *= factor;
    return *this;
}

ExactValue ExactValue::operator/(const RootNumber& divisor) const
{
    ExactValue quotient = *this;
    quotient.c0 /= divisor;
    quotient.c1 /= divisor;
    quotient.c2 /= divisor;
    return quotient;
}

Ball ExactValue::ball() const
{
    Ball value = c0.ball();
    if (!c1.isZero())
        value += c1.ball() * Ball::Pi();
    if (!c2.isZero())
        value += c2.ball() * ballsOf(field).angle;
    return value;
}

double ExactValue::approximately() const
{
    double value = c0.approximately();
    if (!c1.isZero())
        value += c1.approximately() * std::numbers::pi;
    if (!c2.isZero())
        value += c2.approximately() * std::atan(field->slope.get_d());
    return value;
}

} // namespace velkor
