// The cross of two rectangles: figures against the element formulas and the two checks.
#include "cross_section.h"
#include "shown_figures.h"

#include <QTest>

using namespace velkor;

namespace {
const QStringList Symbols = {"Ix", "Iy", "Wx", "Wy", "A", "ix", "iy", "Sx", "Sy"};
}

Q_DECLARE_METATYPE(velkor::CrossInput)

class CrossSectionTest : public QObject {
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<CrossInput>("input");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected"); // as Symbols, then the weight
        const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre);
        QTest::newRow("default, cm")
            << CrossInput{100, 10, 100, 10} << cm
            << QStringList{"84.083", "84.083", "16.816", "16.816", "19",
                           "2.103",  "2.103",  "13.625", "13.625", "14.915"};
        QTest::newRow("default, mm")
            << CrossInput{100, 10, 100, 10} << mm
            << QStringList{"840833.333", "840833.333", "16816.666", "16816.666", "1900",
                           "21.036",     "21.036",     "13625",     "13625",     "14.915"};
        // Ix = bH³/12 + (B−b)h³/12, Sx = B·h/2·h/4 + (H−h)/2·b·(H+h)/4, and the same about Y
        QTest::newRow("unequal elements, cm")
            << CrossInput{100, 10, 200, 20} << cm
            << QStringList{"672.666", "168.166", "67.266", "33.633", "38",
                           "4.207",   "2.103",   "54.5",   "27.25",  "29.83"};
    }
    void figures()
    {
        QFETCH(CrossInput, input);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shownFigures(CalcCross(input), LengthUnit(unit), Symbols), expected);
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<CrossInput>("input");
        QTest::addColumn<QString>("message");
        const QString wrongData = "Введены ошибочные данные";
        // the letter before " > b" is the Cyrillic В; H, h and b are Latin
        const QString proportions = QString::fromUtf8("H должно быть > h и \u0412 > b");
        QTest::newRow("B zero") << CrossInput{0, 10, 100, 10} << wrongData;
        QTest::newRow("b zero") << CrossInput{100, 0, 100, 10} << wrongData;
        QTest::newRow("H zero") << CrossInput{100, 10, 0, 10} << wrongData;
        QTest::newRow("h negative") << CrossInput{100, 10, 100, -1} << wrongData;
        QTest::newRow("sizes before proportions") << CrossInput{5, 10, 100, 0} << wrongData;
        QTest::newRow("b equals B") << CrossInput{100, 100, 100, 10} << proportions;
        QTest::newRow("h equals H") << CrossInput{100, 10, 100, 100} << proportions;
        QTest::newRow("b beyond B") << CrossInput{10, 20, 100, 10} << proportions;
        QTest::newRow("h beyond H") << CrossInput{100, 10, 10, 20} << proportions;
    }
    void checksInTheirOrder()
    {
        QFETCH(CrossInput, input);
        QFETCH(QString, message);
        const SectionOutcome outcome = CalcCross(input);
        QVERIFY(std::holds_alternative<Refusal>(outcome));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(outcome).message), message);
    }
};

QTEST_GUILESS_MAIN(CrossSectionTest)
#include "tst_cross_section.moc"
