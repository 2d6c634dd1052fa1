// The welded I-section and T-section: figures, the centroid wherever it lies, the checks.
#include "ibeam_section.h"
#include "shown_figures.h"

#include <QTest>

using namespace velkor;

namespace {

// The order in which the rows below list the shown figures, the weight last.
const QStringList Symbols = {"A", "Yc", "Ix", "Iy", "Wx", "Wy", "ix", "iy", "Sx", "Sy"};

IBeamInput input(const QList<double>& d)
{
    return {typed(d[0]), typed(d[1]), typed(d[2]), typed(d[3]), typed(d[4]), typed(d[5])};
}

} // namespace

class IBeamSectionTest : public QObject {
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<QList<double>>("dimensions"); // H, B1, tf1, tw, B2, tf2 in mm
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected");
        const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre),
                  m = int(LengthUnit::Metre);
        const QList<double> designI = {193, 150, 9, 6, 150, 9};
        QTest::newRow("default I-section, cm")
            << designI << cm
            << QStringList{"37.5",  "9.65",  "2555.071", "506.565", "264.774", "67.542",
                           "8.254", "3.675", "147.168",  "51.412",  "29.437"};
        QTest::newRow("default I-section, mm")
            << designI << mm
            << QStringList{"3750",   "96.5",   "25550712.5", "5065650", "264774.222", "67542",
                           "82.544", "36.753", "147168.75",  "51412.5", "29.437"};
        QTest::newRow("default I-section, m")
            << designI << m << QStringList{"0.003", "0.096", "0", "0", "0",     "0",
                                           "0.082", "0.036", "0", "0", "29.437"};
        // Wx at the stem's tip, 14.509 cm from the centroid, not at H/2
        // equal flanges of a thickness binary fractions cannot hold: Yc is H/2 all the same
        QTest::newRow("symmetric I-section of thin flanges")
            << QList<double>{200, 200, 5.2, 5.2, 200, 5.2} << cm
            << QStringList{"30.659", "10",    "2269.064", "693.555", "226.906", "69.355",
                           "8.602",  "4.756", "124.662",  "52.64",   "24.067"};
        QTest::newRow("default T-section")
            << QList<double>{193, 150, 9, 6, 0, 0} << cm
            << QStringList{"24.54", "4.791", "877.951", "253.456", "60.512", "33.794",
                           "5.981", "3.213", "63.15",   "26.14",   "19.263"};
        QTest::newRow("narrower flange 2")
            << QList<double>{300, 200, 12, 8, 120, 10} << cm
            << QStringList{"58.24", "12.091", "8443.486", "945.186", "471.486", "94.518",
                           "12.04", "4.028",  "323.254",  "80.224",  "45.718"};
        // the same section upside down: Wy from the wider flange 2, Sx below the centroid
        QTest::newRow("wider flange 2")
            << QList<double>{300, 120, 10, 8, 200, 12} << cm
            << QStringList{"58.24", "17.908", "8443.486", "945.186", "471.486", "94.518",
                           "12.04", "4.028",  "323.254",  "80.224",  "45.718"};
        // Sx = B1·y²/2 when the centroid lies in flange 1
        QTest::newRow("centroid inside flange 1")
            << QList<double>{200, 1000, 100, 10, 0, 0} << cm
            << QStringList{"1010",  "5.099",  "9406.765", "833334.166", "631.284", "16666.683",
                           "3.051", "28.724", "1299.995", "12501.25",   "792.85"};
        QTest::newRow("centroid inside flange 2")
            << QList<double>{200, 100, 10, 10, 1000, 100} << cm
            << QStringList{"1019",  "14.773", "11257.527", "833417.416", "761.992", "16668.348",
                           "3.323", "28.598", "1365.659",  "12513.625",  "799.915"};
        // a flange 2 of no width is no material: Wx is taken at the web's end, H − tf2
        // (139.25 mm from the centroid), not at H where there is nothing
        QTest::newRow("released flange 2 of width 0")
            << QList<double>{193, 150, 9, 6, 0, 9} << cm
            << QStringList{"24",    "4.475", "768.785", "253.44", "55.208", "33.792",
                           "5.659", "3.249", "58.171",  "26.1",   "18.84"};
        QTest::newRow("released flange 2 of width 0, Wx at the web's end")
            << QList<double>{200, 100, 10, 5, 0, 10} << cm
            << QStringList{"19",    "5",     "671.333", "83.52",  "47.952", "16.704",
                           "5.944", "2.096", "49",      "13.062", "14.915"};
        QTest::newRow("released flange 2 narrower than the web")
            << QList<double>{193, 150, 9, 6, 4, 9} << cm
            << QStringList{"24.36", "4.687", "842.1",  "253.444", "57.628", "33.792",
                           "5.879", "3.225", "61.508", "26.118",  "19.122"};
        QTest::newRow("released flange 2 of thickness 0 is the T-section")
            << QList<double>{193, 150, 9, 6, 150, 0} << cm
            << QStringList{"24.54", "4.791", "877.951", "253.456", "60.512", "33.794",
                           "5.981", "3.213", "63.15",   "26.14",   "19.263"};
    }
    void figures()
    {
        QFETCH(QList<double>, dimensions);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shownFigures(CalcIBeam(input(dimensions)), LengthUnit(unit), Symbols), expected);
    }

    void checks_data()
    {
        QTest::addColumn<QList<double>>("dimensions"); // H, B1, tf1, tw, B2, tf2 in mm
        QTest::addColumn<QString>("message");
        const QString wrong = "Введены ошибочные данные";
        const QString flanges = "Сумма tf1+tf2 должна быть меньше H";
        const QString web = "Толщина стенки tw должна быть меньше B1";
        QTest::newRow("no B1, the other checks failing too")
            << QList<double>{10, 0, 10, 5, 0, 5} << wrong;
        QTest::newRow("no web") << QList<double>{193, 150, 9, 0, 150, 9} << wrong;
        QTest::newRow("negative H") << QList<double>{-193, 150, 9, 6, 150, 9} << wrong;
        QTest::newRow("no flange 1") << QList<double>{193, 150, 0, 6, 150, 9} << wrong;
        QTest::newRow("flanges exactly as high as H")
            << QList<double>{20, 150, 9, 6, 150, 11} << flanges;
        QTest::newRow("T-section flange as high as H")
            << QList<double>{9, 150, 9, 6, 0, 0} << flanges;
        QTest::newRow("web exactly as wide as B1") << QList<double>{193, 6, 9, 6, 150, 9} << web;
        QTest::newRow("flanges before web") << QList<double>{18, 6, 9, 8, 150, 9} << flanges;
        QTest::newRow("negative released B2") << QList<double>{193, 150, 9, 6, -150, 9} << wrong;
        QTest::newRow("negative released tf2") << QList<double>{193, 150, 9, 6, 150, -9} << wrong;
        QTest::newRow("web before a negative flange 2")
            << QList<double>{193, 6, 9, 6, -150, 9} << web;
    }
    void checks()
    {
        QFETCH(QList<double>, dimensions);
        QFETCH(QString, message);
        const SectionOutcome outcome = CalcIBeam(input(dimensions));
        QVERIFY(std::holds_alternative<Refusal>(outcome));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(outcome).message), message);
    }
};

QTEST_GUILESS_MAIN(IBeamSectionTest)
#include "tst_ibeam_section.moc"
