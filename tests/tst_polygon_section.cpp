// The polygon engine against textbook closed forms.
#include "polygon_section.h"

#include <QTest>

#include <cmath>

using namespace velkor;

namespace {

using Section = std::vector<Contour>;

// Relative comparison with an absolute floor for figures that should vanish.
bool near(double actual, double expected, double scale)
{
    return std::fabs(actual - expected) <= 1e-9 * std::max(std::fabs(expected), scale);
}

Section shifted(Section section, double dx, double dy)
{
    for (Contour& contour : section)
        for (Point& point : contour.points)
            point = {point.x + dx, point.y + dy};
    return section;
}

Section reversed(Section section)
{
    for (Contour& contour : section)
        std::reverse(contour.points.begin(), contour.points.end());
    return section;
}

struct Expected {
    double area, xc, yc, Ix, Iy, Ixy, above, below, left, right, Sx, Sy;
};

const double Root3 = std::sqrt(3.0);

} // namespace

Q_DECLARE_METATYPE(Section)
Q_DECLARE_METATYPE(Expected)

class PolygonSectionTest : public QObject {
    Q_OBJECT

    static void compare(const PolygonProperties& p, const Expected& e)
    {
        const double scale = e.Ix + e.Iy;
        const double lengthScale = std::sqrt(e.area);
        QVERIFY2(near(p.area, e.area, e.area), qPrintable(QString::number(p.area, 'g', 17)));
        QVERIFY2(near(p.centroid.x, e.xc, lengthScale), qPrintable(QString::number(p.centroid.x, 'g', 17)));
        QVERIFY2(near(p.centroid.y, e.yc, lengthScale), qPrintable(QString::number(p.centroid.y, 'g', 17)));
        QVERIFY2(near(p.Ix, e.Ix, scale), qPrintable(QString::number(p.Ix, 'g', 17)));
        QVERIFY2(near(p.Iy, e.Iy, scale), qPrintable(QString::number(p.Iy, 'g', 17)));
        QVERIFY2(near(p.Ixy, e.Ixy, scale), qPrintable(QString::number(p.Ixy, 'g', 17)));
        QVERIFY(near(p.above, e.above, lengthScale));
        QVERIFY(near(p.below, e.below, lengthScale));
        QVERIFY(near(p.left, e.left, lengthScale));
        QVERIFY(near(p.right, e.right, lengthScale));
        QVERIFY2(near(p.Sx, e.Sx, e.Sx + e.Sy), qPrintable(QString::number(p.Sx, 'g', 17)));
        QVERIFY2(near(p.Sy, e.Sy, e.Sx + e.Sy), qPrintable(QString::number(p.Sy, 'g', 17)));
    }

private slots:
    void closedForms_data()
    {
        QTest::addColumn<Section>("section");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("rectangle 40 x 60")
            << Section{Rectangle(0, 0, 40, 60)}
            << Expected{2400, 20, 30, 40 * 216000 / 12.0, 60 * 64000 / 12.0, 0, 30, 30, 20, 20,
                        40 * 3600 / 8.0, 60 * 1600 / 8.0};

        QTest::newRow("box tube 100 x 200, walls 10")
            << Section{Rectangle(0, 0, 100, 200), Rectangle(10, 10, 80, 180, true)}
            << Expected{5600, 50, 100, (100 * 8e6 - 80 * 5832000) / 12.0,
                        (200 * 1e6 - 180 * 512000) / 12.0, 0, 100, 100, 50, 50,
                        100 * 40000 / 8.0 - 80 * 32400 / 8.0, 200 * 10000 / 8.0 - 180 * 6400 / 8.0};

        // legs 30 along x and 60 along y; the part above the centroid is a similar triangle
        QTest::newRow("right triangle")
            << Section{{{{0, 0}, {30, 0}, {0, 60}}}}
            << Expected{900, 10, 20, 30 * 216000 / 36.0, 60 * 27000 / 36.0, -900 * 3600 / 72.0,
                        40, 20, 10, 20, 20 * 40 / 2.0 * 40 / 3.0, 40 * 20 / 2.0 * 20 / 3.0};

        // side a = 10 with flats at top and bottom: I = 5·√3/16·a⁴ about both axes
        const double h = 5 * Root3;
        const double hexagonI = 5 * Root3 / 16 * 1e4;
        QTest::newRow("regular hexagon")
            << Section{{{{-10, 0}, {-5, -h}, {5, -h}, {10, 0}, {5, h}, {-5, h}}}}
            << Expected{1.5 * Root3 * 100, 0, 0, hexagonI, hexagonI, 0, h, h, 10, 10,
                        // upper half: trapezoid of bases 20 and 10, height h
                        h * h * (2 * 10 + 20) / 6.0,
                        // right half: two right triangles and a rectangle of width 5
                        5 * 2 * h * 2.5 + 2 * (5 * h / 2) * (5 + 5 / 3.0)};

        // a square standing on a corner, diagonal 20: I = d⁴/48
        QTest::newRow("rhombus")
            << Section{{{{0, -10}, {10, 0}, {0, 10}, {-10, 0}}}}
            << Expected{200, 0, 0, 160000 / 48.0, 160000 / 48.0, 0, 10, 10, 10, 10,
                        100 * 10 / 3.0, 100 * 10 / 3.0};

        // T: web 10 x 90, flange 100 x 10 on top; the centroid lies in the web, and the
        // part below it is a plain rectangle
        const double yc = (900 * 45 + 1000 * 95) / 1900.0;
        const double webI = 10 * std::pow(90, 3) / 12 + 900 * std::pow(45 - yc, 2);
        const double flangeI = 100 * 1000 / 12.0 + 1000 * std::pow(95 - yc, 2);
        QTest::newRow("T-section")
            << Section{Rectangle(45, 0, 10, 90), Rectangle(0, 90, 100, 10)}
            << Expected{1900, 50, yc, webI + flangeI, 90 * 1000 / 12.0 + 10 * 1e6 / 12.0, 0,
                        100 - yc, yc, 50, 50, 10 * yc * yc / 2,
                        90 * 25 / 2.0 + 10 * 2500 / 2.0};
    }
    void closedForms()
    {
        QFETCH(Section, section);
        QFETCH(Expected, expected);
        compare(ComputePolygonSection(section), expected);
    }

    void unequalAngleHasTheTabulatedProductOfInertia()
    {
        // 200 x 90 x 5.2 mm, the horizontal leg to the right at the bottom
        const auto p = ComputePolygonSection(
            {{{{0, 0}, {90, 0}, {90, 5.2}, {5.2, 5.2}, {5.2, 200}, {0, 200}}}});
        QCOMPARE(QString::number(p.Ixy / 1e4, 'f', 3), QString("-135.725"));
        QCOMPARE(QString::number(p.Ix / 1e4, 'f', 3), QString("640.536"));
        QCOMPARE(QString::number(p.Iy / 1e4, 'f', 3), QString("89.366"));
    }

    void resultsDoNotDependOnPlacementOrOrientation_data()
    {
        QTest::addColumn<Section>("section");
        QTest::newRow("box tube") << Section{Rectangle(0, 0, 100, 200), Rectangle(10, 10, 80, 180, true)};
        QTest::newRow("angle") << Section{{{{0, 0}, {90, 0}, {90, 5.2}, {5.2, 5.2}, {5.2, 200}, {0, 200}}}};
    }
    void resultsDoNotDependOnPlacementOrOrientation()
    {
        QFETCH(Section, section);
        const auto here = ComputePolygonSection(section);
        for (const Section& moved : {shifted(section, 1e6, -3e6), reversed(section)}) {
            const auto there = ComputePolygonSection(moved);
            const double scale = here.Ix + here.Iy;
            QVERIFY(near(there.area, here.area, here.area));
            QVERIFY(near(there.Ix, here.Ix, scale));
            QVERIFY(near(there.Iy, here.Iy, scale));
            QVERIFY(near(there.Ixy, here.Ixy, scale));
            QVERIFY(near(there.Sx, here.Sx, here.Sx));
            QVERIFY(near(there.above, here.above, 1));
            QVERIFY(near(there.left, here.left, 1));
        }
    }

    void degenerateSectionGivesNoUsableFigures()
    {
        // the routines refuse such input before; if one slips through, nothing finite remains
        const auto p = ComputePolygonSection({Rectangle(0, 0, 10, 0)});
        QVERIFY(!(p.area > 0));
        QVERIFY(!std::isfinite(p.centroid.y));
        QVERIFY(!std::isfinite(p.Ix));
    }
};

QTEST_GUILESS_MAIN(PolygonSectionTest)
#include "tst_polygon_section.moc"
