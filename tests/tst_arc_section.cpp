// Sections bounded by faces and tangent arcs: hand-worked cases in closed form with π,
// exactly to 30 decimals; the exact figures a symmetry gives; a fine chord polygon agrees
// with every figure of every rolled profile; outlines that cannot be built are refused.
#include "arc_section.h"
#include "polygon_section.h"
#include "sortament/rolled_section.h"
#include "truncation.h"

#include "shown_figures.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <map>

using namespace velkor;

namespace {

// A closed form evaluated in balls: π and the dimensions at the asked precision.
class ClosedForm : public Enclosure {
public:
    explicit ClosedForm(std::function<Ball(const Ball& pi)> form)
        : form(std::move(form))
    {
    }
    void bounds(long bits, Rational& low, Rational& high) const override
    {
        const WorkingPrecision precision(bits);
        form(Ball::Pi()).bounds(low, high);
    }
    double approximately() const override
    {
        const WorkingPrecision precision(64);
        return form(Ball::Pi()).midpoint();
    }

private:
    std::function<Ball(const Ball&)> form;
};

QString thirtyDecimals(const Real& value)
{
    return written(*Precision(PowerOfTen(30)).cut(value));
}

Ball b(long value)
{
    return Ball(value);
}

// The integrals of a region about the origin, to add and take away.
struct Integrals {
    Ball A, x, y, xx, yy, xy;
    Integrals operator+(const Integrals& o) const
    {
        return {A + o.A, x + o.x, y + o.y, xx + o.xx, yy + o.yy, xy + o.xy};
    }
    Integrals operator-(const Integrals& o) const
    {
        return {A - o.A, x - o.x, y - o.y, xx - o.xx, yy - o.yy, xy - o.xy};
    }
};

// The rectangle [x0, x1] × [y0, y1].
Integrals box(long x0, long y0, long x1, long y1)
{
    const Ball w = b(x1 - x0), h = b(y1 - y0);
    const Ball sx = b(x1 * x1 - x0 * x0), sy = b(y1 * y1 - y0 * y0);
    const Ball cx = b(x1 * x1 * x1 - x0 * x0 * x0), cy = b(y1 * y1 * y1 - y0 * y0 * y0);
    return {w * h, h * sx / b(2), w * sy / b(2), h * cx / b(3), w * cy / b(3), sx * sy / b(4)};
}

// A quarter disk of radius r about (a, c), in the quadrant (sx, sy) = (±1, ±1): about its
// centre ∫ξ = sx·r³/3, ∫η = sy·r³/3, ∫ξ² = ∫η² = πr⁴/16, ∫ξη = sx·sy·r⁴/8.
Integrals quarterDisk(long a, long c, long r, int sx, int sy, const Ball& pi)
{
    const Ball A = pi * b(r * r) / b(4), r3 = b(r * r * r) / b(3), r4 = b(r * r * r * r);
    const Ball mx = b(sx) * r3, my = b(sy) * r3, ii = pi * r4 / b(16);
    return {A,
            b(a) * A + mx,
            b(c) * A + my,
            b(a * a) * A + b(2 * a) * mx + ii,
            b(c * c) * A + b(2 * c) * my + ii,
            b(a * c) * A + b(a) * my + b(c) * mx + b(sx * sy) * r4 / b(8)};
}

// One figure of the region from its integrals about the origin.
using FigureOf = Ball (*)(const Integrals&);
const std::vector<std::pair<const char*, FigureOf>> FiguresOfIntegrals = {
    {"A", [](const Integrals& i) { return i.A; }},
    {"Xc", [](const Integrals& i) { return i.x / i.A; }},
    {"Yc", [](const Integrals& i) { return i.y / i.A; }},
    {"Ix", [](const Integrals& i) { return i.yy - i.y * i.y / i.A; }},
    {"Iy", [](const Integrals& i) { return i.xx - i.x * i.x / i.A; }},
    {"Ixy", [](const Integrals& i) { return i.xy - i.x * i.y / i.A; }},
};

struct HandWorked {
    const char* name;
    ArcOutline (*outline)();
    Integrals (*integrals)(const Ball& pi);
    Ball (*perimeter)(const Ball& pi);
};

const std::vector<HandWorked>& handWorked()
{
    static const std::vector<HandWorked> cases = {
        // the square 7 × 7 with its far corner rounded by 7
        {"a quarter circle",
         [] {
             return ArcOutline::RoundedPolygon({{0, 0}, {7, 0}, {7, 7}, {0, 7}}, {0, 0, 7, 0});
         },
         [](const Ball& pi) { return quarterDisk(0, 0, 7, 1, 1, pi); },
         [](const Ball& pi) { return b(14) + pi * b(7) / b(2); }},
        // 30 × 20, the upper right corner rounded by 6: less the square beyond the arc's
        // centre, plus the quarter disk about (24, 14)
        {"a rectangle with one tangent fillet",
         [] {
             return ArcOutline::RoundedPolygon({{0, 0}, {30, 0}, {30, 20}, {0, 20}}, {0, 0, 6, 0});
         },
         [](const Ball& pi) {
             return box(0, 0, 30, 20) - box(24, 14, 30, 20) + quarterDisk(24, 14, 6, 1, 1, pi);
         },
         [](const Ball& pi) { return b(100 - 2 * 6) + pi * b(3); }},
        // L 50 × 40 × 5, the root rounded by 7: the legs, plus the square beyond the
        // inner corner less the quarter disk about (12, 12) facing the corner
        {"an angle's root fillet",
         [] {
             return ArcOutline::RoundedPolygon({{0, 0}, {50, 0}, {50, 5}, {5, 5}, {5, 40}, {0, 40}},
                                               {0, 0, 0, 7, 0, 0});
         },
         [](const Ball& pi) {
             return box(0, 0, 50, 5) + box(0, 5, 5, 40) + box(5, 5, 12, 12) -
                    quarterDisk(12, 12, 7, -1, -1, pi);
         },
         [](const Ball& pi) { return b(2 * 50 + 2 * 40 - 2 * 7) + pi * b(7) / b(2); }},
    };
    return cases;
}

const Real* figureOf(const SectionProperties& properties, std::string_view symbol)
{
    for (const Figure& figure : properties.figures)
        if (figure.kind->symbol == symbol)
            return &figure.value;
    return nullptr;
}

SectionProperties everyFigure(ArcOutline outline)
{
    const ArcSectionFigures figures(std::make_shared<const ArcOutline>(std::move(outline)));
    return figures.properties(sortament::RolledFigureKinds(Scope::All));
}

} // namespace

class ArcSectionTest : public QObject {
    Q_OBJECT

private slots:
    void handWorkedCasesToThirtyDecimals_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("symbol");
        for (int k = 0; k < int(handWorked().size()); ++k) {
            for (const auto& [symbol, unused] : FiguresOfIntegrals)
                QTest::addRow("%s: %s", handWorked()[k].name, symbol) << k << QString(symbol);
            QTest::addRow("%s: U", handWorked()[k].name) << k << QString("U");
        }
    }
    void handWorkedCasesToThirtyDecimals()
    {
        QFETCH(int, which);
        QFETCH(QString, symbol);
        const HandWorked& c = handWorked()[std::size_t(which)];
        const SectionProperties properties = everyFigure(c.outline());
        const Real* computed = figureOf(properties, symbol.toStdString());
        QVERIFY(computed);
        std::function<Ball(const Ball&)> form = [&c](const Ball& pi) { return c.perimeter(pi); };
        for (const auto& [name, figure] : FiguresOfIntegrals)
            if (symbol == name)
                form = [&c, figure = figure](const Ball& pi) { return figure(c.integrals(pi)); };
        // Xc and Yc from the outline's left and bottom edges, here at the origin
        const Real expected = Real::Enclosing(std::make_shared<ClosedForm>(form));
        QCOMPARE(thirtyDecimals(*computed), thirtyDecimals(expected));
    }

    // What a symmetry makes exact is exact, on sloped faces too.
    void symmetryGivesExactFigures_data()
    {
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QStringList>("exact"); // symbol=value, exactly
        QTest::newRow("I-beam with sloped flanges")
            << "gost8239"
            << "20" << QStringList{"Xc=50", "Yc=100", "Ixy=0", "alpha=0", "xpl=50", "ypl=100"};
        QTest::newRow("channel with sloped flanges")
            << "gost8240u"
            << "20У" << QStringList{"Yc=100", "Ixy=0", "alpha=0", "ypl=100"};
        QTest::newRow("parallel-flange I-beam")
            << "gost26020"
            << "20Б1" << QStringList{"Xc=50", "Yc=100", "Ixy=0", "alpha=0", "xpl=50", "ypl=100"};
        QTest::newRow("equal angle") << "gost8509"
                                     << "50x5" << QStringList{"alpha=45"};
        QTest::newRow("unequal angle: nothing exact") << "gost8510"
                                                      << "63x40x5" << QStringList{};
    }
    void symmetryGivesExactFigures()
    {
        QFETCH(QString, standard);
        QFETCH(QString, designation);
        QFETCH(QStringList, exact);
        const auto& profile = *sortament::FindProfile(
            *sortament::FindStandard(standard.toStdString()), designation.toStdString());
        const auto properties =
            std::get<SectionProperties>(sortament::ComputeProfile(profile, Scope::All));
        QStringList found;
        for (const Figure& f : properties.figures)
            if (f.value.isRational())
                found << QString::fromStdString(std::string(f.kind->symbol) + "=" +
                                                f.value.rationalValue().get_str());
        QCOMPARE(found, exact);
    }

    // An equal angle's figures about X and Y are the same number, digit for digit.
    void equalAngleIsSymmetricToTheDigit()
    {
        const auto& profile =
            *sortament::FindProfile(*sortament::FindStandard("gost8509"), "80x10");
        const auto p = std::get<SectionProperties>(sortament::ComputeProfile(profile, Scope::All));
        for (const auto& [x, y] : {std::pair{"Ix", "Iy"},
                                   {"Xc", "Yc"},
                                   {"Sx", "Sy"},
                                   {"Wplx", "Wply"},
                                   {"xpl", "ypl"},
                                   {"W1x", "W2y"},
                                   {"W2x", "W1y"}})
            QCOMPARE(thirtyDecimals(*figureOf(p, x)), thirtyDecimals(*figureOf(p, y)));
    }

    // Every figure of every rolled profile against the same outline cut into 150 and into
    // 300 chords to an arc, integrated in doubles and extrapolated to infinitely many (the
    // chords' error falls as the square of their number): an error in a sign, an arc's
    // direction or a crossing shows far beyond what is left.
    void chordPolygonAgreesWithEveryProfile()
    {
        for (const sortament::Standard& standard : sortament::Standards())
            for (const sortament::Profile& profile : sortament::ProfilesOf(standard)) {
                const auto outline = sortament::ProfileOutline(profile);
                const auto coarse = chordFigures(outline->polygon(ArcOutline::ArcsBy::Chords, 150));
                const auto fine = chordFigures(outline->polygon(ArcOutline::ArcsBy::Chords, 300));
                const auto p =
                    std::get<SectionProperties>(sortament::ComputeProfile(profile, Scope::All));
                const double scale = fine.at("scale");
                for (const auto& [symbol, value] : fine) {
                    if (symbol == "scale")
                        continue;
                    const double expected = value + (value - coarse.at(symbol)) / 3;
                    const double computed = figureOf(p, symbol)->approximately();
                    const double unit = symbol.starts_with('I') ? scale * scale * scale * scale
                                        : symbol.starts_with('W') || symbol.starts_with('S')
                                            ? scale * scale * scale
                                        : symbol == "A"     ? scale * scale
                                        : symbol == "alpha" ? 90.0
                                                            : scale;
                    if (std::abs(computed - expected) > 1e-7 * unit)
                        QFAIL(qPrintable(
                            QString("%1 %2 %3: %4, chords give %5")
                                .arg(QString::fromUtf8(standard.key.data(),
                                                       qsizetype(standard.key.size())),
                                     QString::fromUtf8(profile.designation().data(),
                                                       qsizetype(profile.designation().size())),
                                     QString::fromStdString(symbol))
                                .arg(computed, 0, 'g', 14)
                                .arg(expected, 0, 'g', 14)));
                }
            }
    }

    // The polygons of rational corners inside the section and around it: their exact areas
    // hold the section's between them, closer as the arcs are cut finer.
    void boundingPolygonsHoldTheSection()
    {
        for (const sortament::Standard& standard : sortament::Standards())
            for (const sortament::Profile& profile : sortament::ProfilesOf(standard)) {
                const auto outline = sortament::ProfileOutline(profile);
                const ArcSectionFigures figures(outline);
                const std::string name =
                    std::string(standard.key) + " " + std::string(profile.designation());
                Rational previousGap = -1;
                for (const int pieces : {2, 8}) {
                    const auto area = [&](PolygonBound bound) {
                        return ComputePolygonSection(
                                   {Contour{BoundingPolygon(*outline, bound, pieces)}})
                            .area;
                    };
                    const Rational inside = area(PolygonBound::Inside);
                    const Rational covering = area(PolygonBound::Covering);
                    const Real A = figures.area().toReal();
                    QVERIFY2(A.compare(inside) > 0 && A.compare(covering) < 0, name.c_str());
                    const Rational gap = covering - inside;
                    QVERIFY2(previousGap < 0 || gap < previousGap / 8, name.c_str());
                    previousGap = gap;
                }
            }
    }

    void outlinesThatCannotBeBuiltAreRefused_data()
    {
        QTest::addColumn<std::vector<Point>>("corners");
        QTest::addColumn<std::vector<Rational>>("radii");
        const std::vector<Point> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        QTest::newRow("a radius longer than its faces")
            << square << std::vector<Rational>{0, 0, 11, 0};
        QTest::newRow("two radii that overlap on one face")
            << square << std::vector<Rational>{0, 6, 6, 0};
        QTest::newRow("a negative radius") << square << std::vector<Rational>{0, 0, -1, 0};
        QTest::newRow("a face at a slope of no field")
            << std::vector<Point>{{0, 0}, {10, 0}, {10, 3}, {0, 10}}
            << std::vector<Rational>{0, 0, 0, 0};
        QTest::newRow("a radius for every corner") << square << std::vector<Rational>{0, 0, 1};
    }
    void outlinesThatCannotBeBuiltAreRefused()
    {
        QFETCH(std::vector<Point>, corners);
        QFETCH(std::vector<Rational>, radii);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ArcOutline::RoundedPolygon(corners, radii));
    }

private:
    // The figures of a polygon in doubles, by the symbols of the section's figures, and its
    // size under "scale".
    static std::map<std::string, double>
    chordFigures(const std::vector<std::pair<double, double>>& chords)
    {
        // the polygon's integrals, and those of its part beyond a line, by Green's theorem
        struct Sums {
            double A = 0, x = 0, y = 0, xx = 0, yy = 0, xy = 0;
        };
        const auto integrate = [](const std::vector<std::pair<double, double>>& P) {
            Sums s;
            for (std::size_t k = 0; k < P.size(); ++k) {
                const auto [x0, y0] = P[k];
                const auto [x1, y1] = P[(k + 1) % P.size()];
                const double c = x0 * y1 - x1 * y0;
                s.A += c / 2;
                s.x += (x0 + x1) * c / 6;
                s.y += (y0 + y1) * c / 6;
                s.xx += (x0 * x0 + x0 * x1 + x1 * x1) * c / 12;
                s.yy += (y0 * y0 + y0 * y1 + y1 * y1) * c / 12;
                s.xy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * c / 24;
            }
            return s;
        };
        // the part with v ≥ c, v = y (along X) or x: its area and moment about the line
        const auto beyond = [&](double c, bool alongX) {
            std::vector<std::pair<double, double>> part;
            const auto v = [&](const std::pair<double, double>& p) {
                return alongX ? p.second : p.first;
            };
            for (std::size_t k = 0; k < chords.size(); ++k) {
                const auto& a = chords[k];
                const auto& e = chords[(k + 1) % chords.size()];
                if (v(a) >= c)
                    part.push_back(a);
                if ((v(a) >= c) != (v(e) >= c)) {
                    const double t = (c - v(a)) / (v(e) - v(a));
                    part.push_back(
                        {a.first + t * (e.first - a.first), a.second + t * (e.second - a.second)});
                }
            }
            const Sums s = integrate(part);
            return std::pair{s.A, (alongX ? s.y : s.x) - c * s.A};
        };
        const Sums s = integrate(chords);
        double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
        for (const auto& [x, y] : chords) {
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::min(bottom, y);
            top = std::max(top, y);
        }
        const double gx = s.x / s.A, gy = s.y / s.A;
        const double Ix = s.yy - s.A * gy * gy, Iy = s.xx - s.A * gx * gx,
                     Ixy = s.xy - s.A * gx * gy;
        std::map<std::string, double> f{{"scale", std::max(right - left, top - bottom)},
                                        {"A", s.A},
                                        {"Xc", gx - left},
                                        {"Yc", gy - bottom},
                                        {"Ix", Ix},
                                        {"Iy", Iy},
                                        {"Ixy", Ixy},
                                        {"W1x", Ix / (top - gy)},
                                        {"W2y", Iy / (right - gx)},
                                        {"Sx", beyond(gy, true).second},
                                        {"Sy", beyond(gx, false).second}};
        // the equal-area axes by bisection, and ∫|v − c| dA about them
        for (const bool alongX : {true, false}) {
            double low = alongX ? bottom : left, high = alongX ? top : right;
            for (int k = 0; k < 60; ++k) {
                const double middle = (low + high) / 2;
                (beyond(middle, alongX).first > s.A / 2 ? low : high) = middle;
            }
            const double moment = beyond(low, alongX).second;
            f[alongX ? "ypl" : "xpl"] = low - (alongX ? bottom : left);
            f[alongX ? "Wplx" : "Wply"] = 2 * moment - s.A * ((alongX ? gy : gx) - low);
        }
        // the principal axes and the farthest corner from each
        const double theta = std::atan2(-2 * Ixy, Ix - Iy) / 2;
        const double mean = (Ix + Iy) / 2, radius = std::hypot((Ix - Iy) / 2, Ixy);
        f["Iu"] = mean + radius;
        f["Iv"] = mean - radius;
        if (std::abs(Ixy) > 1e-9 * f["Iu"]) {
            f["alpha"] = theta * 180 / M_PI;
            double fromU = 0, fromV = 0;
            for (const auto& [x, y] : chords) {
                fromU = std::max(
                    fromU, std::abs(-(x - gx) * std::sin(theta) + (y - gy) * std::cos(theta)));
                fromV = std::max(fromV,
                                 std::abs((x - gx) * std::cos(theta) + (y - gy) * std::sin(theta)));
            }
            f["Wu"] = (mean + radius) / fromU;
            f["Wv"] = (mean - radius) / fromV;
        }
        double perimeter = 0;
        for (std::size_t k = 0; k < chords.size(); ++k)
            perimeter += std::hypot(chords[(k + 1) % chords.size()].first - chords[k].first,
                                    chords[(k + 1) % chords.size()].second - chords[k].second);
        f["U"] = perimeter;
        return f;
    }
};

QTEST_APPLESS_MAIN(ArcSectionTest)
#include "tst_arc_section.moc"
