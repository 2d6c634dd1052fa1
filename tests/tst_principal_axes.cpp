// The principal axes from the moments about x and y: which axis is u, the angle's range
// and sign, every angle that is a rational number of degrees exactly, and the moments and
// the angle cut exactly where they are irrational.
#include "principal_axes.h"
#include "shown_figures.h"
#include "truncation.h"

#include <QTest>

using namespace velkor;

namespace {

QString cut(const Real& value, const char* precision = "10000000000")
{
    return written(*Precision(typed(precision)).cut(value));
}

} // namespace

class PrincipalAxesTest : public QObject {
    Q_OBJECT

private slots:
    void axes_data()
    {
        QTest::addColumn<QString>("Ix");
        QTest::addColumn<QString>("Iy");
        QTest::addColumn<QString>("Ixy");
        QTest::addColumn<QString>("Iu"); // cut to ten decimals
        QTest::addColumn<QString>("Iv");
        QTest::addColumn<QString>("alpha");
        QTest::newRow("x is the major axis") << "4"
                                             << "1"
                                             << "0"
                                             << "4"
                                             << "1"
                                             << "0";
        QTest::newRow("y is the major axis: 90°, not −90°") << "1"
                                                            << "4"
                                                            << "0"
                                                            << "4"
                                                            << "1"
                                                            << "90";
        QTest::newRow("every axis principal: u is x") << "2"
                                                      << "2"
                                                      << "0"
                                                      << "2"
                                                      << "2"
                                                      << "0";
        // Ix = Iy: the moment about θ is 3 − Ixy·sin 2θ, largest at 2θ = ∓90°
        QTest::newRow("equal moments, negative product") << "3"
                                                         << "3"
                                                         << "-1"
                                                         << "4"
                                                         << "2"
                                                         << "45";
        QTest::newRow("equal moments, positive product") << "3"
                                                         << "3"
                                                         << "1"
                                                         << "4"
                                                         << "2"
                                                         << "-45";
        // mean 3, half-difference ±2, radius √8; tan 2θ = −Ixy / half-difference = ±1
        QTest::newRow("x major, negative product") << "5"
                                                   << "1"
                                                   << "-2"
                                                   << "5.8284271247"
                                                   << "0.1715728752"
                                                   << "22.5";
        QTest::newRow("x major, positive product") << "5"
                                                   << "1"
                                                   << "2"
                                                   << "5.8284271247"
                                                   << "0.1715728752"
                                                   << "-22.5";
        QTest::newRow("y major, positive product") << "1"
                                                   << "5"
                                                   << "2"
                                                   << "5.8284271247"
                                                   << "0.1715728752"
                                                   << "-67.5";
        QTest::newRow("y major, negative product") << "1"
                                                   << "5"
                                                   << "-2"
                                                   << "5.8284271247"
                                                   << "0.1715728752"
                                                   << "67.5";
        // tan 2α = 3/2: an irrational angle, 28.1549662370101…°
        QTest::newRow("irrational angle") << "5"
                                          << "1"
                                          << "-3"
                                          << "6.6055512754"
                                          << "-0.6055512754"
                                          << "28.154966237";
        // exact numbers have no rounding noise to mistake for a product: a real one, however
        // small, tilts the axes, here by 8.2e-14°
        QTest::newRow("a tiny product on a wide channel") << "1e6"
                                                          << "8e6"
                                                          << "1e-8"
                                                          << "8000000"
                                                          << "999999.9999999999"
                                                          << "-89.9999999999";
    }
    void axes()
    {
        QFETCH(QString, Ix);
        QFETCH(QString, Iy);
        QFETCH(QString, Ixy);
        QFETCH(QString, Iu);
        QFETCH(QString, Iv);
        QFETCH(QString, alpha);
        const PrincipalAxes axes =
            PrincipalAxesOf(typed(qPrintable(Ix)), typed(qPrintable(Iy)), typed(qPrintable(Ixy)));
        QCOMPARE(cut(axes.Iu), Iu);
        QCOMPARE(cut(axes.Iv), Iv);
        QCOMPARE(cut(axes.alpha), alpha);
    }

    void rationalAnglesAreExact()
    {
        for (const char* product : {"0", "-1", "1"})
            QVERIFY(PrincipalAxesOf(3, 3, typed(product)).alpha.isRational());
        QVERIFY(PrincipalAxesOf(5, 1, -2).alpha.isRational());
        QVERIFY(!PrincipalAxesOf(5, 1, -3).alpha.isRational());
    }

    // the cut of an irrational angle is settled however fine the precision
    void irrationalAngleToFortyDecimals()
    {
        QCOMPARE(cut(PrincipalAxesOf(5, 1, -3).alpha, "1e40"),
                 QString("28.1549662370101065432372527191699302898718"));
    }
};

QTEST_GUILESS_MAIN(PrincipalAxesTest)
#include "tst_principal_axes.moc"
