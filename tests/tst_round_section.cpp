// The round tube and bar: figures in millimetres and the checks in their order.
#include "round_section.h"
#include "shown_figures.h"

#include <QTest>

using namespace velkor;

class RoundSectionTest : public QObject {
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<double>("D");
        QTest::addColumn<double>("t");
        QTest::addColumn<bool>("solid");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected"); // I, W, A, i, weight
        const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre),
                  m = int(LengthUnit::Metre);
        QTest::newRow("default tube, cm")
            << 142.0 << 5.0 << false << cm
            << QStringList{"505.556", "71.205", "21.519", "4.846", "16.893"};
        QTest::newRow("default tube, mm")
            << 142.0 << 5.0 << false << mm
            << QStringList{"5055564.781", "71205.137", "2151.99", "48.469", "16.893"};
        QTest::newRow("default tube, m")
            << 142.0 << 5.0 << false << m << QStringList{"0", "0", "0.002", "0.048", "16.893"};
        QTest::newRow("solid bar")
            << 142.0 << 999.0 << true << cm
            << QStringList{"1995.828", "281.102", "158.367", "3.55", "124.318"};
        QTest::newRow("zero bore is the bar")
            << 100.0 << 50.0 << false << cm
            << QStringList{"490.873", "98.174", "78.539", "2.5", "61.653"};
    }
    void figures()
    {
        QFETCH(double, D);
        QFETCH(double, t);
        QFETCH(bool, solid);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shownFigures(CalcRoundSection({typed(D), typed(t), solid}), LengthUnit(unit),
                              {"I", "W", "A", "i"}),
                 expected);
    }

    void checks_data()
    {
        QTest::addColumn<double>("D");
        QTest::addColumn<double>("t");
        QTest::addColumn<bool>("solid");
        QTest::addColumn<QString>("message");
        QTest::newRow("wall too thick")
            << 100.0 << 60.0 << false << "D должно быть больше или равно 2t";
        QTest::newRow("both zero") << 0.0 << 0.0 << false << "D должно быть больше нуля";
        QTest::newRow("no wall") << 100.0 << 0.0 << false << "t должно быть больше нуля";
        QTest::newRow("negative D fails the first test")
            << -50.0 << 10.0 << false << "D должно быть больше или равно 2t";
        QTest::newRow("negative wall") << 100.0 << -1.0 << false << "t должно быть больше нуля";
        QTest::newRow("solid bar without diameter")
            << 0.0 << 5.0 << true << "D должно быть больше нуля";
    }
    void checks()
    {
        QFETCH(double, D);
        QFETCH(double, t);
        QFETCH(bool, solid);
        QFETCH(QString, message);
        const SectionOutcome outcome = CalcRoundSection({typed(D), typed(t), solid});
        QVERIFY(std::holds_alternative<Refusal>(outcome));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(outcome).message), message);
    }

    void solidBarIgnoresTheWall()
    {
        QCOMPARE(shownFigures(CalcRoundSection({142, -7, true}), LengthUnit::Millimetre, {"A"}),
                 shownFigures(CalcRoundSection({142, 71, false}), LengthUnit::Millimetre, {"A"}));
    }

    void absurdSizesAreRefusedNotShownAsInfinity()
    {
        // exact, a tube of D = 1e100 and t = 1 has finite figures; a bar that big does not
        QCOMPARE(shownFigures(CalcRoundSection({typed("1e100"), 1, true}), LengthUnit::Millimetre,
                              {"I"}),
                 QStringList{QString::fromUtf8(WrongDataMessage.data())});
    }
};

QTEST_GUILESS_MAIN(RoundSectionTest)
#include "tst_round_section.moc"
