// The principal axes from the moments about x and y: which axis is u, the angle's range
// and sign, and the symmetric cases where rounding must not tilt the axes.
#include "principal_axes.h"

#include <QTest>

#include <cmath>

using namespace velkor;

class PrincipalAxesTest : public QObject {
    Q_OBJECT

private slots:
    void axes_data()
    {
        QTest::addColumn<double>("Ix");
        QTest::addColumn<double>("Iy");
        QTest::addColumn<double>("Ixy");
        QTest::addColumn<double>("Iu");
        QTest::addColumn<double>("Iv");
        QTest::addColumn<double>("alpha");
        const double r8 = std::sqrt(8.0);
        QTest::newRow("x is the major axis") << 4.0 << 1.0 << 0.0 << 4.0 << 1.0 << 0.0;
        QTest::newRow("y is the major axis: 90°, not −90°")
            << 1.0 << 4.0 << 0.0 << 4.0 << 1.0 << 90.0;
        QTest::newRow("y major with a negative zero product")
            << 1.0 << 4.0 << -0.0 << 4.0 << 1.0 << 90.0;
        QTest::newRow("every axis principal: u is x") << 2.0 << 2.0 << 0.0 << 2.0 << 2.0 << 0.0;
        // Ix = Iy: the moment about θ is 3 − Ixy·sin 2θ, largest at 2θ = ∓90°
        QTest::newRow("equal moments, negative product")
            << 3.0 << 3.0 << -1.0 << 4.0 << 2.0 << 45.0;
        QTest::newRow("equal moments, positive product")
            << 3.0 << 3.0 << 1.0 << 4.0 << 2.0 << -45.0;
        // mean 3, half-difference ±2, radius √8; tan 2θ = −Ixy / half-difference
        QTest::newRow("x major, negative product")
            << 5.0 << 1.0 << -2.0 << 3 + r8 << 3 - r8 << 22.5;
        QTest::newRow("x major, positive product")
            << 5.0 << 1.0 << 2.0 << 3 + r8 << 3 - r8 << -22.5;
        QTest::newRow("y major, positive product")
            << 1.0 << 5.0 << 2.0 << 3 + r8 << 3 - r8 << -67.5;
        QTest::newRow("y major, negative product")
            << 1.0 << 5.0 << -2.0 << 3 + r8 << 3 - r8 << 67.5;
        // A symmetric section whose product comes out as rounding noise of either sign:
        // taken at face value, the noise above zero gives −89.9999999999999°, shown as −89.999.
        QTest::newRow("noise above zero on a wide channel")
            << 1.0e6 << 8.0e6 << 1e-8 << 8.0e6 << 1.0e6 << 90.0;
        QTest::newRow("noise below zero on a wide channel")
            << 1.0e6 << 8.0e6 << -1e-8 << 8.0e6 << 1.0e6 << 90.0;
        // an equal-leg angle whose moments differ in the last digits: 44.9999999999997°
        // taken at face value, shown as 44.999
        QTest::newRow("noise between the moments of an equal angle")
            << 8337089.2280001 << 8337089.228 << -4998090.0 << 8337089.228 + 4998090.0
            << 8337089.228 - 4998090.0 << 45.0;
    }
    void axes()
    {
        QFETCH(double, Ix);
        QFETCH(double, Iy);
        QFETCH(double, Ixy);
        QFETCH(double, Iu);
        QFETCH(double, Iv);
        QFETCH(double, alpha);
        const PrincipalAxes axes = PrincipalAxesOf(Ix, Iy, Ixy);
        QCOMPARE(axes.Iu, Iu);
        QCOMPARE(axes.Iv, Iv);
        // closer than 15 significant digits can tell: 44.9999999999999 would show as 44.999
        QVERIFY2(std::fabs(axes.alpha - alpha) < 3e-14,
                 qPrintable(QString::number(axes.alpha, 'g', 17)));
    }
};

QTEST_GUILESS_MAIN(PrincipalAxesTest)
#include "tst_principal_axes.moc"
