// The regular hexagon: figures sized by R or by H, the tie between them, and the refusal.
#include "hexagon_section.h"
#include "shown_figures.h"
#include "truncation.h"

#include <QTest>

using namespace velkor;

namespace {
const QStringList Symbols = {"Ix", "Iy", "Wx", "Wy", "A", "ix", "iy"};
}

class HexagonSectionTest : public QObject {
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("acrossFlats");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected"); // Ix, Iy, Wx, Wy, A, ix, iy, weight
        const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre),
                  m = int(LengthUnit::Metre);
        QTest::newRow("default R, cm")
            << 10.0 << false << cm
            << QStringList{"0.541", "0.541", "0.625", "0.541", "2.598", "0.456", "0.456", "2.039"};
        // 1.73205 cm is a little less than √3 cm, so R falls just short of 1 cm and Wx is cut
        QTest::newRow("design H, cm")
            << 17.3205 << true << cm
            << QStringList{"0.541", "0.541", "0.624", "0.541", "2.598", "0.456", "0.456", "2.039"};
        QTest::newRow("default R, mm")
            << 10.0 << false << mm << QStringList{"5412.658", "5412.658", "625",   "541.265",
                                                  "259.807",  "4.564",    "4.564", "2.039"};
        QTest::newRow("default R, m")
            << 10.0 << false << m
            << QStringList{"0", "0", "0", "0", "0", "0.004", "0.004", "2.039"};
    }
    void figures()
    {
        QFETCH(double, size);
        QFETCH(bool, acrossFlats);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shownFigures(CalcHexagon({typed(size), acrossFlats}), LengthUnit(unit), Symbols),
                 expected);
    }

    void heightAcrossFlatsIsRootThreeRadii()
    {
        QCOMPARE(written(RoundedToSignificantDigits(HeightAcrossFlats(2), 15)),
                 QString("3.46410161513775"));
        QCOMPARE(written(RoundedToSignificantDigits(RadiusFromHeight(3), 15)),
                 QString("1.73205080756888"));
        QVERIFY(HexagonRadius({3, false}).isRational());
        QCOMPARE(HexagonRadius({3, false}).rationalValue(), Rational(3));
    }

    // Wx = 5/8·R³ sized by R, Wy = 5/48·H³ sized by H: rational, so every digit is shown
    // at any precision; the rest carry √3 and are cut.
    void modulusOfTheTypedSizeIsRational()
    {
        const auto byRadius =
            shownFigures(CalcHexagon({20, false}), LengthUnit::Millimetre, Symbols, "100000000");
        QCOMPARE(byRadius[2], QString("5000"));
        QCOMPARE(byRadius[4], QString("1039.23048454")); // A = 3√3/2·R²
        const auto byHeight =
            shownFigures(CalcHexagon({30, true}), LengthUnit::Millimetre, Symbols, "100000000");
        QCOMPARE(byHeight[3], QString("2812.5"));
        QCOMPARE(byHeight[4], QString("779.4228634")); // A = √3/2·H²
    }

    void sizeMustBePositive_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("acrossFlats");
        QTest::newRow("R zero") << 0.0 << false;
        QTest::newRow("R negative") << -1.0 << false;
        QTest::newRow("H zero") << 0.0 << true;
        QTest::newRow("H negative") << -17.0 << true;
    }
    void sizeMustBePositive()
    {
        QFETCH(double, size);
        QFETCH(bool, acrossFlats);
        const SectionOutcome outcome = CalcHexagon({typed(size), acrossFlats});
        QVERIFY(std::holds_alternative<Refusal>(outcome));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(outcome).message),
                 QString("Введены ошибочные данные"));
    }
};

QTEST_GUILESS_MAIN(HexagonSectionTest)
#include "tst_hexagon_section.moc"
