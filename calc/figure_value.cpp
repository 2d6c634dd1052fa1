#include "figure_value.h"

#include <mutex>
#include <stdexcept>
#include <vector>

namespace velkor {

enum class Operation {
    Exact,
    Computed,
    Sum,
    Difference,
    Product,
    Quotient,
    Negation,
    Root,
    Magnitude,
    Larger,
    Smaller,
    HalfAngle,
    TangentOfDegrees
};

struct FigureValue::Node {
    Operation operation = Operation::Exact;
    ExactValue exact;
    std::vector<std::shared_ptr<const Node>> arguments;
    std::function<Ball()> compute;

    // the last ball computed, at the precision it was computed at
    mutable std::mutex guard;
    mutable long cachedBits = 0;
    mutable Ball cached;

    Ball evaluate() const
    {
        if (operation == Operation::Exact)
            return exact.ball();
        const std::lock_guard<std::mutex> lock(guard);
        if (cachedBits != WorkingPrecision::bits()) {
            cached = evaluateAnew();
            cachedBits = WorkingPrecision::bits();
        }
        return cached;
    }

private:
    Ball argument(std::size_t k) const { return arguments[k]->evaluate(); }

    Ball evaluateAnew() const
    {
        switch (operation) {
        case Operation::Exact:
            return exact.ball();
        case Operation::Computed:
            return compute();
        case Operation::Sum:
            return argument(0) + argument(1);
        case Operation::Difference:
            return argument(0) - argument(1);
        case Operation::Product:
            return argument(0) * argument(1);
        case Operation::Quotient:
            return argument(0) / argument(1);
        case Operation::Negation:
            return -argument(0);
        case Operation::Root:
            return Sqrt(argument(0));
        case Operation::Magnitude:
            return Abs(argument(0));
        case Operation::Larger:
            return Max(argument(0), argument(1));
        case Operation::Smaller:
            return Min(argument(0), argument(1));
        case Operation::HalfAngle:
            return Atan2(argument(0), argument(1)) * Ball(90) / Ball::Pi();
        case Operation::TangentOfDegrees:
            return Tan(argument(0) * Ball::Pi() / Ball(180));
        }
        return Ball::Anything();
    }
};

namespace {

using Node = FigureValue::Node;

std::shared_ptr<const Node> exactNode(ExactValue value)
{
    auto node = std::make_shared<Node>();
    node->exact = std::move(value);
    return node;
}

std::shared_ptr<const Node> operationNode(Operation operation,
                                          std::vector<std::shared_ptr<const Node>> arguments)
{
    auto node = std::make_shared<Node>();
    node->operation = operation;
    node->arguments = std::move(arguments);
    return node;
}

// Bounds of a figure for the cut: the ball at the asked precision.
class FigureEnclosure : public Enclosure {
public:
    explicit FigureEnclosure(FigureValue value)
        : value(std::move(value))
    {
    }

    void bounds(long bits, Rational& low, Rational& high) const override
    {
        const WorkingPrecision precision(bits);
        if (!value.ball().bounds(low, high)) {
            low = -LargestOrdinaryNumber();
            high = LargestOrdinaryNumber();
        }
    }

    double approximately() const override { return value.approximately(); }

private:
    FigureValue value;
};

} // namespace

FigureValue::FigureValue(ExactValue exact)
    : node(exactNode(std::move(exact)))
{
}

FigureValue::FigureValue(long value)
    : node(exactNode(ExactValue(value)))
{
}

FigureValue::FigureValue(std::shared_ptr<const Node> node)
    : node(std::move(node))
{
}

FigureValue FigureValue::Computed(std::function<Ball()> compute)
{
    auto computed = std::make_shared<Node>();
    computed->operation = Operation::Computed;
    computed->compute = std::move(compute);
    return FigureValue(std::shared_ptr<const Node>(std::move(computed)));
}

bool FigureValue::isExact() const
{
    return node->operation == Operation::Exact;
}

const ExactValue& FigureValue::exact() const
{
    if (!isExact())
        throw std::logic_error("the exact value of a computed figure");
    return node->exact;
}

Ball FigureValue::ball() const
{
    return node->evaluate();
}

double FigureValue::approximately() const
{
    if (isExact())
        return node->exact.approximately();
    const WorkingPrecision precision(64);
    return ball().midpoint();
}

int FigureValue::sign() const
{
    if (isExact())
        return node->exact.sign();
    return RefinedSign([&] { return ball(); }, 4096);
}

Real FigureValue::toReal() const
{
    if (isExact() && node->exact.isAlgebraic()) {
        const RootNumber& x = node->exact.algebraicPart();
        if (x.isRational())
            return Real(x.rationalPart());
        // a + b·√d = a + sgn(b)·√(b²·d)
        return Real::Quadratic(x.rationalPart(), sgn(x.rootPart()),
                               Rational(x.rootPart() * x.rootPart() * x.field()->radicand));
    }
    return Real::Enclosing(std::make_shared<FigureEnclosure>(*this));
}

FigureValue FigureValue::operator-() const
{
    if (isExact())
        return FigureValue(-node->exact);
    return FigureValue(operationNode(Operation::Negation, {node}));
}

FigureValue operator+(const FigureValue& a, const FigureValue& b)
{
    if (a.isExact() && b.isExact())
        return FigureValue(a.exact() + b.exact());
    if (a.isExact() && a.exact().isZero())
        return b;
    if (b.isExact() && b.exact().isZero())
        return a;
    return FigureValue(operationNode(Operation::Sum, {a.node, b.node}));
}

FigureValue operator-(const FigureValue& a, const FigureValue& b)
{
    if (a.sameAs(b))
        return FigureValue(0);
    if (a.isExact() && b.isExact())
        return FigureValue(a.exact() - b.exact());
    if (b.isExact() && b.exact().isZero())
        return a;
    return FigureValue(operationNode(Operation::Difference, {a.node, b.node}));
}

FigureValue operator*(const FigureValue& a, const FigureValue& b)
{
    if ((a.isExact() && a.exact().isZero()) || (b.isExact() && b.exact().isZero()))
        return FigureValue(0);
    if (a.isExact() && b.isExact()) {
        if (a.exact().isAlgebraic())
            return FigureValue(b.exact() * a.exact().algebraicPart());
        if (b.exact().isAlgebraic())
            return FigureValue(a.exact() * b.exact().algebraicPart());
    }
    return FigureValue(operationNode(Operation::Product, {a.node, b.node}));
}

FigureValue operator/(const FigureValue& a, const FigureValue& b)
{
    if (b.isExact() && b.exact().isZero())
        throw std::domain_error("a figure divided by zero");
    if (a.isExact() && a.exact().isZero())
        return FigureValue(0);
    if (a.sameAs(b))
        return FigureValue(1);
    if (a.isExact() && b.isExact() && b.exact().isAlgebraic())
        return FigureValue(a.exact() / b.exact().algebraicPart());
    return FigureValue(operationNode(Operation::Quotient, {a.node, b.node}));
}

FigureValue Sqrt(const FigureValue& x)
{
    if (x.isExact() && x.exact().isZero())
        return FigureValue(0);
    return FigureValue(operationNode(Operation::Root, {x.node}));
}

FigureValue Abs(const FigureValue& x)
{
    if (x.isExact())
        return x.exact().sign() < 0 ? -x : x;
    return FigureValue(operationNode(Operation::Magnitude, {x.node}));
}

FigureValue Max(const FigureValue& a, const FigureValue& b)
{
    if (a.sameAs(b))
        return a;
    if (a.isExact() && b.isExact())
        return (a.exact() - b.exact()).sign() >= 0 ? a : b;
    return FigureValue(operationNode(Operation::Larger, {a.node, b.node}));
}

FigureValue Min(const FigureValue& a, const FigureValue& b)
{
    if (a.sameAs(b))
        return a;
    if (a.isExact() && b.isExact())
        return (a.exact() - b.exact()).sign() <= 0 ? a : b;
    return FigureValue(operationNode(Operation::Smaller, {a.node, b.node}));
}

FigureValue HalfAngleOf(const FigureValue& y, const FigureValue& x)
{
    // exact on the axes and on the diagonals, where a symmetry puts the point
    const bool yZero = y.isExact() && y.exact().isZero();
    const bool xZero = x.isExact() && x.exact().isZero();
    if (yZero)
        return FigureValue(x.sign() < 0 ? 90 : 0);
    if (xZero)
        return FigureValue(y.sign() > 0 ? 45 : -45);
    return FigureValue(operationNode(Operation::HalfAngle, {y.node, x.node}));
}

FigureValue TangentOfDegrees(const FigureValue& degrees)
{
    if (degrees.isExact() && degrees.exact().isZero())
        return FigureValue(0);
    return FigureValue(operationNode(Operation::TangentOfDegrees, {degrees.node}));
}

Integer RoundedHalfUp(const FigureValue& x, long e)
{
    const Rational scale = PowerOfTen(-e);
    if (x.isExact() && x.exact().isAlgebraic())
        return (x.toReal() * scale + Rational(1, 2)).floor();
    Integer result;
    for (long bits = 32;; bits *= 2) {
        const WorkingPrecision precision(bits);
        Rational low, high;
        if ((x.ball() * Ball(scale) + Ball(Rational(1, 2))).bounds(low, high)) {
            Integer floorLow, floorHigh;
            mpz_fdiv_q(floorLow.get_mpz_t(), low.get_num_mpz_t(), low.get_den_mpz_t());
            mpz_fdiv_q(floorHigh.get_mpz_t(), high.get_num_mpz_t(), high.get_den_mpz_t());
            result = floorLow;
            if (floorLow == floorHigh || bits >= (1L << 16))
                return result;
        }
        if (bits >= (1L << 16))
            return result;
    }
}

} // namespace velkor
