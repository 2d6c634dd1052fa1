// Channels, Z-sections and angles: figures against hand-worked values, the ties between
// dimensions, and the checks in their order.
#include "flanged_section.h"
#include "numbers.h"
#include "shown_figures.h"

#include <QTest>

using namespace velkor;

namespace {

enum class Shape { Channel, Z };

struct Dimensions {
    double H, s, B1, t1, B2, t2;
};

// The ties as named in a data row: "angle", "widths", "thicknesses", "legs".
FlangedSectionInput input(const Dimensions& d, const QString& ties)
{
    FlangedSectionInput in{typed(d.H),  typed(d.s),  typed(d.B1),
                           typed(d.t1), typed(d.B2), typed(d.t2)};
    in.angle = ties.contains("angle");
    in.equalWidths = ties.contains("widths");
    in.equalThicknesses = ties.contains("thicknesses");
    in.equalLegs = ties.contains("legs");
    return in;
}

SectionOutcome calculate(Shape shape, const Dimensions& d, const QString& ties)
{
    return shape == Shape::Channel ? CalcChannel(input(d, ties)) : CalcZSection(input(d, ties));
}

const QStringList Symbols = {"A",   "Xc",  "Yc", "Ix", "Iy", "W1x", "W2x",
                             "W1y", "W2y", "ix", "iy", "Sx", "Sy"};

} // namespace

Q_DECLARE_METATYPE(Shape)
Q_DECLARE_METATYPE(Dimensions)

class FlangedSectionTest : public QObject {
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<Dimensions>("mm");
        QTest::addColumn<QString>("ties");
        QTest::addColumn<int>("unit");
        // A, Xc, Yc, Ix, Iy, W1x, W2x, W1y, W2y, ix, iy, Sx, Sy, weight
        QTest::addColumn<QStringList>("expected");
        const int cm = int(LengthUnit::Centimetre), mm = int(LengthUnit::Millimetre);
        const Dimensions channel{200, 5.2, 90, 10, 90, 10};
        const Dimensions angle{200, 5.2, 0, 0, 90, 5.2};
        const QStringList defaultChannel = {"27.36",   "3.049",   "10",     "1878.72", "232.415",
                                            "187.872", "187.872", "76.214", "39.057",  "8.286",
                                            "2.914",   "106.56",  "35.408", "21.477"};
        const QStringList unequalAngle = {"14.809", "1.599",  "7.099",  "640.535", "89.365",
                                          "49.653", "90.217", "55.857", "12.076",  "6.576",
                                          "2.456",  "43.267", "14.238", "11.625"};

        QTest::newRow("default channel")
            << Shape::Channel << channel << "widths thicknesses" << cm << defaultChannel;
        QTest::newRow("default channel, mm")
            << Shape::Channel << channel << "" << mm
            << QStringList{"2736",   "30.494", "100",       "18787200",  "2324150.804",
                           "187872", "187872", "76214.817", "39057.903", "82.865",
                           "29.145", "106560", "35408.763", "21.477"};
        QTest::newRow("unequal angle") << Shape::Channel << angle << "angle" << cm << unequalAngle;
        QTest::newRow("equal angle: B2 from H, its box empty")
            << Shape::Channel << Dimensions{200, 5.2, 0, 0, 0, 5.2} << "angle legs" << cm
            << QStringList{"20.529",  "5.194",  "5.194", "833.708", "833.708", "56.309", "160.509",
                           "160.509", "56.309", "6.372", "6.372",   "56.995",  "56.995", "16.115"};
        // a flange of no thickness is no flange: its width makes no extreme fibre
        QTest::newRow("channel with t1 = 0 is the angle")
            << Shape::Channel << Dimensions{200, 5.2, 150, 0, 90, 5.2} << "" << cm << unequalAngle;
        QTest::newRow("t1 tied to t2 in the angle only lengthens the web")
            << Shape::Channel << Dimensions{200, 5.2, 77, 3, 90, 5.2} << "angle thicknesses" << cm
            << unequalAngle;
        QTest::newRow("B1 from B2 ignores its empty box")
            << Shape::Channel << Dimensions{200, 5.2, 0, 10, 90, 10} << "widths" << cm
            << defaultChannel;
        // s = B1 = B2: a plain 90 x 200 rectangle, I = b·h³/12, S = b·(h/2)²/2
        QTest::newRow("web as wide as both flanges")
            << Shape::Channel << Dimensions{200, 90, 90, 10, 90, 10} << "" << cm
            << QStringList{"180", "4.5", "10",    "6000",  "1215", "600",   "600",
                           "270", "270", "5.773", "2.598", "450",  "202.5", "141.3"};
        // angle 100 x 100, legs 40 and 10 thick: Yc = (4000·20 + 600·70)/4600 = 26.52 mm lies
        // in the flange, so the part below is 100 × 26.52 × 26.52/2 = 35170 mm³
        QTest::newRow("centroid inside the lower flange")
            << Shape::Channel << Dimensions{100, 10, 0, 0, 100, 40} << "angle" << cm
            << QStringList{"46",     "4.413",  "2.652", "201.768", "439.485", "27.459", "76.076",
                           "99.587", "78.662", "2.094", "3.09",    "35.17",   "62.428", "36.11"};
        // web 30 x 80 between flanges 40 x 10: Xc = (24·1.5 + 8·2)/32 = 1.625 cm lies in the
        // web, and the part at its left is the strip 100 x 16.25: 13203 mm³
        QTest::newRow("centroid inside the web")
            << Shape::Channel << Dimensions{100, 30, 40, 10, 40, 10} << "" << cm
            << QStringList{"32",     "1.625",  "5",     "290.666", "30.166", "58.133", "58.133",
                           "18.564", "12.701", "3.013", "0.97",    "42",     "13.203", "25.12"};
        // upper flange 200 x 20, lower 20 x 10: Xc = 82.76 mm lies beyond the lower flange,
        // which counts only with its own width
        QTest::newRow("centroid beyond the shorter flange")
            << Shape::Channel << Dimensions{100, 10, 200, 20, 20, 10} << "" << cm
            << QStringList{"49",      "8.275", "8.01",  "280.328", "1982.613", "140.882", "34.996",
                           "239.576", "169.1", "2.391", "6.36",    "39.592",   "137.463", "38.465"};
        // symmetric about X, so Yc is H/2 exactly
        QTest::newRow("symmetric channel of thin flanges")
            << Shape::Channel << Dimensions{200, 5.2, 200, 5.2, 200, 5.2} << "" << cm
            << QStringList{"30.659",  "6.867",   "10",      "2269.064", "1328.1",
                           "226.906", "226.906", "193.378", "101.133",  "8.602",
                           "6.581",   "124.662", "89.675",  "24.067"};
        // the Z is symmetric about its centroid: Xc is half the overall width 17.48 cm
        QTest::newRow("default Z")
            << Shape::Z << Dimensions{200, 5.2, 90, 9, 90, 9} << "widths thicknesses" << cm
            << QStringList{"25.664", "8.74",   "10",    "1739.811", "400.8",  "173.981", "173.981",
                           "45.858", "45.858", "8.233", "3.951",    "98.885", "35.02",   "20.146"};
        QTest::newRow("Z with unequal flanges")
            << Shape::Z << Dimensions{100, 10, 200, 20, 20, 10} << "" << cm
            << QStringList{"49",      "9.234",  "8.01",    "280.328", "2013.634",
                           "140.882", "34.996", "218.051", "171.15",  "2.391",
                           "6.41",    "39.592", "138.422", "38.465"};
        // the mirrored angle: Xc from the free end of the leg, the moduli about Y exchanged
        QTest::newRow("angle on the Z form")
            << Shape::Z << angle << "angle" << cm
            << QStringList{"14.809", "7.4",    "7.099", "640.535", "89.365", "49.653", "90.217",
                           "12.076", "55.857", "6.576", "2.456",   "43.267", "14.238", "11.625"};
    }
    void figures()
    {
        QFETCH(Shape, shape);
        QFETCH(Dimensions, mm);
        QFETCH(QString, ties);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(shownFigures(calculate(shape, mm, ties), LengthUnit(unit), Symbols), expected);
    }

    void principalAxes_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<Dimensions>("mm");
        QTest::addColumn<QString>("ties");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected"); // Ixy, Iu, Iv, iu, iv, alpha
        const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre),
                  m = int(LengthUnit::Metre);
        const Dimensions angle{200, 5.2, 0, 0, 90, 5.2};
        const Dimensions z{200, 5.2, 90, 9, 90, 9};
        // x to the right and y up, as drawn: the channel calculator's angle has one leg up
        // from the corner and one to the right, which lie up-left and down-right of the
        // centroid, where x·y < 0; the Z's flanges lie up-right and down-left, where x·y > 0.
        // Ix, Iy, Ixy by rectangles, then tan 2α = −2Ixy/(Ix − Iy).
        QTest::newRow("unequal angle")
            << Shape::Channel << angle << "angle" << cm
            << QStringList{"-135.725", "672.145", "57.756", "6.736", "1.974", "13.11"};
        QTest::newRow("unequal angle, mm: the angle keeps its degrees")
            << Shape::Channel << angle << "angle" << mm
            << QStringList{"-1357252.584", "6721452.715", "577563.028",
                           "67.368",       "19.748",      "13.11"};
        QTest::newRow("angle mirrored on the Z form")
            << Shape::Z << angle << "angle" << cm
            << QStringList{"135.725", "672.145", "57.756", "6.736", "1.974", "-13.11"};
        // Ix = Iy: u halves the right angle between the legs; 1333.51796 is cut, not rounded
        QTest::newRow("equal angle")
            << Shape::Channel << Dimensions{200, 5.2, 0, 0, 0, 5.2} << "angle legs" << cm
            << QStringList{"-499.809", "1333.517", "333.899", "8.059", "4.032", "45"};
        QTest::newRow("equal angle on the Z form")
            << Shape::Z << Dimensions{200, 5.2, 0, 0, 0, 5.2} << "angle legs" << cm
            << QStringList{"499.809", "1333.517", "333.899", "8.059", "4.032", "-45"};
        // each flange 8.1 cm² at ±4.24 cm, ±9.55 cm from the centroid: Ixy = 2·8.1·4.24·9.55
        QTest::newRow("default Z")
            << Shape::Z << z << "" << cm
            << QStringList{"655.97", "2007.608", "133.004", "8.844", "2.276", "-22.207"};
        QTest::newRow("default Z in metres")
            << Shape::Z << z << "" << m << QStringList{"0", "0", "0", "0.088", "0.022", "-22.207"};
        // symmetric about X: the principal axes are X and Y, the larger moment names u
        QTest::newRow("channel: u is X")
            << Shape::Channel << Dimensions{200, 5.2, 90, 10, 90, 10} << "" << cm
            << QStringList{"0", "1878.72", "232.415", "8.286", "2.914", "0"};
        QTest::newRow("wide flat channel: u is Y")
            << Shape::Channel << Dimensions{50, 5, 200, 5, 200, 5} << "" << cm
            << QStringList{"0", "839.549", "104.333", "6.177", "2.177", "90"};
        QTest::newRow("wide flat channel in mm")
            << Shape::Channel << Dimensions{50, 5, 200, 5, 200, 5} << "" << mm
            << QStringList{"0", "8395492.424", "1043333.333", "61.774", "21.777", "90"};
    }
    void principalAxes()
    {
        QFETCH(Shape, shape);
        QFETCH(Dimensions, mm);
        QFETCH(QString, ties);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QStringList shown = shownFigures(calculate(shape, mm, ties), LengthUnit(unit),
                                         {"Ixy", "Iu", "Iv", "iu", "iv", "alpha"});
        shown.removeLast(); // the weight
        QCOMPARE(shown, expected);
    }

    void checks_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<Dimensions>("mm");
        QTest::addColumn<QString>("ties");
        QTest::addColumn<QString>("message");
        const QString wrong = QString::fromUtf8(WrongDataMessage.data(), WrongDataMessage.size());
        const QString overB1 = "s должно быть меньше B1", overB2 = "s должно быть меньше B2",
                      low = "H должно быть больше t1+t2";
        QTest::newRow("no B2, though every later test fails too")
            << Shape::Channel << Dimensions{10, 50, 1, 20, 0, 1} << "" << wrong;
        QTest::newRow("negative s")
            << Shape::Channel << Dimensions{200, -1, 90, 10, 90, 10} << "" << wrong;
        QTest::newRow("no H") << Shape::Channel << Dimensions{0, 5, 90, 10, 90, 10} << "" << wrong;
        QTest::newRow("no t2") << Shape::Z << Dimensions{200, 5, 90, 10, 90, 0} << "" << wrong;
        QTest::newRow("B2 from an empty H")
            << Shape::Channel << Dimensions{0, 5, 5, 0, 90, 5} << "angle legs" << wrong;
        QTest::newRow("s over both widths: B1 first")
            << Shape::Channel << Dimensions{200, 100, 90, 10, 90, 10} << "" << overB1;
        QTest::newRow("s over B2 only")
            << Shape::Z << Dimensions{200, 95, 100, 10, 90, 10} << "" << overB2;
        QTest::newRow("B1 empty and untied")
            << Shape::Channel << Dimensions{200, 5, 0, 10, 90, 10} << "" << overB1;
        QTest::newRow("B1 from a narrower B2")
            << Shape::Channel << Dimensions{200, 5, 90, 10, 4, 10} << "widths" << overB1;
        QTest::newRow("H equal to t1 + t2")
            << Shape::Channel << Dimensions{20, 5, 90, 10, 90, 10} << "" << low;
        QTest::newRow("angle with H equal to t2")
            << Shape::Z << Dimensions{5.2, 5.2, 0, 0, 90, 5.2} << "angle" << low;
        QTest::newRow("negative t1 passes the tests but is refused")
            << Shape::Channel << Dimensions{200, 5.2, 90, -10, 90, 10} << "" << wrong;
        QTest::newRow("negative t1 on the Z")
            << Shape::Z << Dimensions{200, 5.2, 90, -195, 90, 10} << "" << wrong;
        QTest::newRow("negative t1 after a failed test")
            << Shape::Channel << Dimensions{200, 100, 90, -10, 90, 10} << "" << overB1;
    }
    void checks()
    {
        QFETCH(Shape, shape);
        QFETCH(Dimensions, mm);
        QFETCH(QString, ties);
        QFETCH(QString, message);
        const SectionOutcome outcome = calculate(shape, mm, ties);
        QVERIFY(std::holds_alternative<Refusal>(outcome));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(outcome).message), message);
    }

    void absurdSizesAreRefusedNotShownAsInfinity()
    {
        const Rational huge = typed("1e300");
        const QStringList shown =
            shownFigures(CalcChannel({huge, 1, huge, 1, huge, 1}), LengthUnit::Millimetre, Symbols);
        QCOMPARE(shown, QStringList{QString::fromUtf8(WrongDataMessage.data())});
    }
};

QTEST_GUILESS_MAIN(FlangedSectionTest)
#include "tst_flanged_section.moc"
