// The box tube and the solid rectangle: figures in the display units, and the checks.
#include "rectangle_section.h"
#include "rectangular_tube_section.h"
#include "shown_figures.h"

#include <QTest>

using namespace velkor;

Q_DECLARE_METATYPE(RectangularTubeInput)
Q_DECLARE_METATYPE(RectangleInput)

namespace {

// Ix, Iy, Wx, Wy, A, ix, iy, Sx, Sy and the weight as the calculator writes them.
QStringList shown(const SectionOutcome& outcome, LengthUnit unit, const char* specificWeight)
{
    return shownFigures(outcome, unit, {"Ix", "Iy", "Wx", "Wy", "A", "ix", "iy", "Sx", "Sy"},
                        "1000", specificWeight);
}

QString refusal(const SectionOutcome& outcome)
{
    const auto* refused = std::get_if<Refusal>(&outcome);
    return refused ? QString::fromStdString(refused->message) : QString();
}

const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre);

} // namespace

class RectangularSectionsTest : public QObject {
    Q_OBJECT

private slots:
    void tube_data()
    {
        QTest::addColumn<RectangularTubeInput>("input");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected");
        // a tied h reads 999 here to show that its own box is not used
        QTest::newRow("defaults, cm")
            << RectangularTubeInput{60, 5, 110, 999, true, false} << cm
            << QStringList{"248.833", "93.833", "45.242", "31.277", "16",
                           "3.943",   "2.421",  "28.25",  "18.25",  "12.56"};
        // the weight is cut from the same decimal digits as in centimetres: 12.56, not 12.559
        QTest::newRow("defaults, mm")
            << RectangularTubeInput{60, 5, 110, 999, true, false} << mm
            << QStringList{"2488333.333", "938333.333", "45242.424", "31277.777", "1600",
                           "39.436",      "24.216",     "28250",     "18250",     "12.56"};
        QTest::newRow("square opening ignores H")
            << RectangularTubeInput{60, 5, 0, 999, true, true} << cm
            << QStringList{"55.916", "55.916", "18.638", "18.638", "11",
                           "2.254",  "2.254",  "11.375", "11.375", "8.635"};
        QTest::newRow("H = 10") << RectangularTubeInput{60, 5, 100, 999, true, false} << cm
                                << QStringList{"196.25", "86.25", "39.25",  "28.75",  "15",
                                               "3.617",  "2.397", "24.375", "16.875", "11.775"};
        // a square opening with thicker horizontal walls: the outline is 6 x 7, not square
        QTest::newRow("square opening, h = 2b")
            << RectangularTubeInput{60, 5, 999, 10, false, true} << cm
            << QStringList{"119.416", "73.916", "34.119", "24.638", "17",
                           "2.65",    "2.085",  "21.125", "15.875", "13.345"};
    }
    void tube()
    {
        QFETCH(RectangularTubeInput, input);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shown(CalcRectangularTube(input), LengthUnit(unit), "7850"), expected);
    }

    void tubeRefusals_data()
    {
        QTest::addColumn<RectangularTubeInput>("input");
        QTest::newRow("no inner width") << RectangularTubeInput{60, 30, 110, 5, true, false};
        QTest::newRow("no wall b (empty box)") << RectangularTubeInput{60, 0, 110, 0, true, false};
        QTest::newRow("negative wall b") << RectangularTubeInput{60, -5, 110, 5, false, false};
        QTest::newRow("no inner height") << RectangularTubeInput{60, 5, 10, 5, false, false};
        QTest::newRow("no wall h") << RectangularTubeInput{60, 5, 110, 0, false, false};
        QTest::newRow("square opening without width")
            << RectangularTubeInput{10, 5, 110, 5, true, true};
    }
    void tubeRefusals()
    {
        QFETCH(RectangularTubeInput, input);
        QCOMPARE(refusal(CalcRectangularTube(input)), QString("Введены ошибочные данные"));
    }

    void rectangle_data()
    {
        QTest::addColumn<RectangleInput>("input");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected");
        // S is the first moment of the half-section: B·H²/8
        QTest::newRow("default square, H ignored")
            << RectangleInput{50, -1, true} << cm
            << QStringList{"52.083", "52.083", "20.833", "20.833", "25",
                           "1.443",  "1.443",  "15.625", "15.625", "1.5"};
        QTest::newRow("rectangle 5 x 10, cm")
            << RectangleInput{50, 100, false} << cm
            << QStringList{"416.666", "104.166", "83.333", "41.666", "50",
                           "2.886",   "1.443",   "62.5",   "31.25",  "3"};
        QTest::newRow("rectangle 50 x 100, mm")
            << RectangleInput{50, 100, false} << mm
            << QStringList{"4166666.666", "1041666.666", "83333.333", "41666.666", "5000",
                           "28.867",      "14.433",      "62500",     "31250",     "3"};
    }
    void rectangle()
    {
        QFETCH(RectangleInput, input);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shown(CalcRectangle(input), LengthUnit(unit), "600"), expected);
    }

    void rectangleRefusals_data()
    {
        QTest::addColumn<RectangleInput>("input");
        QTest::newRow("no width") << RectangleInput{0, 100, false};
        QTest::newRow("no height") << RectangleInput{50, 0, false};
        QTest::newRow("negative height") << RectangleInput{50, -100, false};
        QTest::newRow("square without side") << RectangleInput{0, 100, true};
        QTest::newRow("negative square") << RectangleInput{-50, -50, true};
    }
    void rectangleRefusals()
    {
        QFETCH(RectangleInput, input);
        QCOMPARE(refusal(CalcRectangle(input)), QString("Введены ошибочные данные"));
    }

    void absurdSizesAreRefusedNotShownAsInfinity()
    {
        const auto refused = shown(
            CalcRectangularTube({typed("1e100"), typed("1e99"), typed("1e100"), 0, true, false}),
            LengthUnit::Millimetre, "7850");
        QCOMPARE(refused, QStringList{"Введены ошибочные данные"});
    }
};

QTEST_GUILESS_MAIN(RectangularSectionsTest)
#include "tst_rectangular_sections.moc"
