// The polygon engine against textbook closed forms, exactly.
#include "polygon_section.h"

#include <QTest>

#include <algorithm>

using namespace velkor;

namespace {

using Outlines = std::vector<Contour>;

Outlines shifted(Outlines section, const Rational& dx, const Rational& dy)
{
    for (Contour& contour : section)
        for (Point& point : contour.points)
            point = {point.x + dx, point.y + dy};
    return section;
}

Outlines reversed(Outlines section)
{
    for (Contour& contour : section)
        std::reverse(contour.points.begin(), contour.points.end());
    return section;
}

struct Expected {
    Rational area, xc, yc, Ix, Iy, Ixy, above, below, left, right, Sx, Sy;
};

QString text(const Rational& value)
{
    return QString::fromStdString(value.get_str());
}

Rational q(long numerator, long denominator = 1)
{
    Rational value(numerator, denominator);
    value.canonicalize();
    return value;
}

} // namespace

Q_DECLARE_METATYPE(Outlines)
Q_DECLARE_METATYPE(Expected)

class PolygonSectionTest : public QObject {
    Q_OBJECT

    static void compare(const PolygonProperties& p, const Expected& e)
    {
        QCOMPARE(text(p.area), text(e.area));
        QCOMPARE(text(p.centroid.x), text(e.xc));
        QCOMPARE(text(p.centroid.y), text(e.yc));
        QCOMPARE(text(p.Ix), text(e.Ix));
        QCOMPARE(text(p.Iy), text(e.Iy));
        QCOMPARE(text(p.Ixy), text(e.Ixy));
        QCOMPARE(text(p.above), text(e.above));
        QCOMPARE(text(p.below), text(e.below));
        QCOMPARE(text(p.left), text(e.left));
        QCOMPARE(text(p.right), text(e.right));
        QCOMPARE(text(p.Sx), text(e.Sx));
        QCOMPARE(text(p.Sy), text(e.Sy));
    }

private slots:
    void closedForms_data()
    {
        QTest::addColumn<Outlines>("section");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("rectangle 40 x 60")
            << Outlines{Rectangle(0, 0, 40, 60)}
            << Expected{2400, 20, 30, q(40 * 216000, 12), q(60 * 64000, 12), 0, 30,
                        30,   20, 20, q(40 * 3600, 8),    q(60 * 1600, 8)};

        QTest::newRow("box tube 100 x 200, walls 10")
            << Outlines{Rectangle(0, 0, 100, 200), Rectangle(10, 10, 80, 180, true)}
            << Expected{5600,
                        50,
                        100,
                        q(100 * 8000000 - 80 * 5832000, 12),
                        q(200 * 1000000 - 180 * 512000, 12),
                        0,
                        100,
                        100,
                        50,
                        50,
                        q(100 * 40000 - 80 * 32400, 8),
                        q(200 * 10000 - 180 * 6400, 8)};

        // legs 30 along x and 60 along y; the part above the centroid is a similar triangle
        QTest::newRow("right triangle")
            << Outlines{{{{0, 0}, {30, 0}, {0, 60}}}}
            << Expected{900, 10, 20, q(30 * 216000, 36), q(60 * 27000, 36), q(-900 * 3600, 72), 40,
                        20,  10, 20, q(20 * 40 * 40, 6), q(40 * 20 * 20, 6)};

        // a hexagon of corners (±1, 0) and (±1/2, ±1): width 2 − |y| at height y, so
        // Ix = 2∫y²(2 − y)dy = 5/6, Iy = (4/3)∫(1 − y/2)³dy = 5/8, Sx = ∫y(2 − y)dy = 2/3,
        // Sy = ∫(1 − |y|/2)²/2 dy = 7/12 (the regular hexagon is this, stretched)
        QTest::newRow("hexagon") << Outlines{{{{1, 0},
                                               {q(1, 2), 1},
                                               {q(-1, 2), 1},
                                               {-1, 0},
                                               {q(-1, 2), -1},
                                               {q(1, 2), -1}}}}
                                 << Expected{3, 0, 0, q(5, 6), q(5, 8), 0,
                                             1, 1, 1, 1,       q(2, 3), q(7, 12)};

        // a square standing on a corner, diagonal 20: I = d⁴/48
        QTest::newRow("rhombus") << Outlines{{{{0, -10}, {10, 0}, {0, 10}, {-10, 0}}}}
                                 << Expected{200, 0,  0,  q(160000, 48), q(160000, 48), 0, 10,
                                             10,  10, 10, q(1000, 3),    q(1000, 3)};

        // T: web 10 x 90, flange 100 x 10 on top; the centroid lies in the web, and the
        // part below it is a plain rectangle
        const Rational yc = q(900 * 45 + 1000 * 95, 1900);
        const Rational webI = q(10 * 729000, 12) + 900 * (45 - yc) * (45 - yc);
        const Rational flangeI = q(100 * 1000, 12) + 1000 * (95 - yc) * (95 - yc);
        QTest::newRow("T-section") << Outlines{Rectangle(45, 0, 10, 90), Rectangle(0, 90, 100, 10)}
                                   << Expected{1900,
                                               50,
                                               yc,
                                               webI + flangeI,
                                               q(90 * 1000, 12) + q(10 * 1000000, 12),
                                               0,
                                               100 - yc,
                                               yc,
                                               50,
                                               50,
                                               10 * yc * yc / 2,
                                               q(90 * 25, 2) + q(10 * 2500, 2)};

        // decimal corners, which binary fractions cannot hold: 200 x 90 x 5.2 angle,
        // Ixy = −135.725… cm⁴ exactly as rectangles give it
        const Rational t = q(26, 5);
        QTest::newRow("unequal angle of decimal thickness")
            << Outlines{{{{0, 0}, {90, 0}, {90, t}, {t, t}, {t, 200}, {0, 200}}}} << [&] {
                   // the leg along x (90 × t) and the rest of the leg along y (t × (200 − t))
                   const Rational a1 = 90 * t, a2 = t * (200 - t);
                   const Rational area = a1 + a2;
                   const Rational xc = (a1 * 45 + a2 * t / 2) / area;
                   const Rational yc = (a1 * t / 2 + a2 * (t + (200 - t) / 2)) / area;
                   const Rational h2 = 200 - t;
                   const Rational Ix = 90 * t * t * t / 12 + a1 * (t / 2 - yc) * (t / 2 - yc) +
                                       t * h2 * h2 * h2 / 12 +
                                       a2 * (t + h2 / 2 - yc) * (t + h2 / 2 - yc);
                   const Rational Iy = t * 729000 / 12 + a1 * (45 - xc) * (45 - xc) +
                                       h2 * t * t * t / 12 + a2 * (t / 2 - xc) * (t / 2 - xc);
                   const Rational Ixy =
                       a1 * (45 - xc) * (t / 2 - yc) + a2 * (t / 2 - xc) * (t + h2 / 2 - yc);
                   // below the centroid: the x leg and the part of the y leg up to yc
                   const Rational Sx = a1 * (yc - t / 2) + t * (yc - t) * (yc - t) / 2;
                   // left of the centroid: the y leg and the part of the x leg up to xc
                   const Rational Sy = t * 200 * (xc - t / 2) + t * (xc - t) * (xc - t) / 2;
                   return Expected{area, xc, yc, Ix, Iy, Ixy, 200 - yc, yc, xc, 90 - xc, Sx, Sy};
               }();
    }
    void closedForms()
    {
        QFETCH(Outlines, section);
        QFETCH(Expected, expected);
        compare(ComputePolygonSection(section), expected);
    }

    // the same section far from the origin, or traced the other way round, is the same
    void resultsDoNotDependOnPlacementOrOrientation_data()
    {
        QTest::addColumn<Outlines>("section");
        QTest::newRow("box tube") << Outlines{Rectangle(0, 0, 100, 200),
                                              Rectangle(10, 10, 80, 180, true)};
        QTest::newRow("angle") << Outlines{
            {{{0, 0}, {90, 0}, {90, q(26, 5)}, {q(26, 5), q(26, 5)}, {q(26, 5), 200}, {0, 200}}}};
    }
    void resultsDoNotDependOnPlacementOrOrientation()
    {
        QFETCH(Outlines, section);
        const auto here = ComputePolygonSection(section);
        // far enough that the corners leave 128-bit integers for GMP's
        const Rational far = Rational(mpz_class("1000000000000000000000"), 7);
        for (const Outlines& moved : {shifted(section, far, -3 * far), reversed(section)}) {
            const auto there = ComputePolygonSection(moved);
            QCOMPARE(text(there.area), text(here.area));
            QCOMPARE(text(there.Ix), text(here.Ix));
            QCOMPARE(text(there.Iy), text(here.Iy));
            QCOMPARE(text(there.Ixy), text(here.Ixy));
            QCOMPARE(text(there.Sx), text(here.Sx));
            QCOMPARE(text(there.Sy), text(here.Sy));
            QCOMPARE(text(there.above), text(here.above));
            QCOMPARE(text(there.left), text(here.left));
        }
    }

    // a flange of no width is no material: neither area nor an extreme fibre
    void outlineWithoutAreaIsNoFibre()
    {
        const auto p = ComputePolygonSection(
            {Rectangle(0, 0, 10, 10), Rectangle(5, 10, 0, 5), Rectangle(0, 20, 10, 0)});
        QCOMPARE(text(p.area), QString("100"));
        QCOMPARE(text(p.above), QString("5"));
    }

    void degenerateSectionGivesNoArea()
    {
        // the routines refuse such input before; if one slips through, nothing is divided
        const auto p = ComputePolygonSection({Rectangle(0, 0, 10, 0)});
        QCOMPARE(sgn(p.area), 0);
    }
};

QTEST_GUILESS_MAIN(PolygonSectionTest)
#include "tst_polygon_section.moc"
