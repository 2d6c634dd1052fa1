// The square standing on a corner: figures in each unit and the refusal of its side.
#include "rhombus_section.h"
#include "shown_figures.h"

#include <QTest>

using namespace velkor;

namespace {
const QStringList Symbols = {"I", "W", "A", "i", "S"};
}

class RhombusSectionTest : public QObject {
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<double>("B");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected"); // I, W, A, i, S, weight
        const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre),
                  m = int(LengthUnit::Metre);
        // S is the first moment of the half-section, √2·B³/12, the same as W for this shape
        QTest::newRow("default side, cm")
            << 50.0 << cm << QStringList{"52.083", "14.731", "25", "1.443", "14.731", "19.625"};
        QTest::newRow("default side, mm")
            << 50.0 << mm
            << QStringList{"520833.333", "14731.391", "2500", "14.433", "14731.391", "19.625"};
        QTest::newRow("default side, m")
            << 50.0 << m << QStringList{"0", "0", "0.002", "0.014", "0", "19.625"};
        QTest::newRow("unit side, mm")
            << 1.0 << mm << QStringList{"0.083", "0.117", "1", "0.288", "0.117", "0.007"};
    }
    void figures()
    {
        QFETCH(double, B);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shownFigures(CalcRhombus({typed(B)}), LengthUnit(unit), Symbols), expected);
    }

    void sideMustBePositive_data()
    {
        QTest::addColumn<double>("B");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative") << -50.0;
    }
    void sideMustBePositive()
    {
        QFETCH(double, B);
        const SectionOutcome outcome = CalcRhombus({typed(B)});
        QVERIFY(std::holds_alternative<Refusal>(outcome));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(outcome).message),
                 QString("Введены ошибочные данные"));
    }
};

QTEST_GUILESS_MAIN(RhombusSectionTest)
#include "tst_rhombus_section.moc"
