// What a design check needs besides the calculators' figures: plastic moduli and axes,
// moduli at every fibre and about the principal axes, polar moment, outline and surface,
// torsion, shear centre and warping; hand-worked values exactly, and the thin-walled
// models against published finite-element values within the accuracy of their theory.
#include "catalogue.h"
#include "shown_figures.h"
#include "truncation.h"

#include <QTest>

#include <cmath>

using namespace velkor;

namespace {

Rational q(long numerator, long denominator = 1)
{
    return Fraction(numerator, denominator);
}

// A section of the catalogue computed with every figure, from dimensions in millimetres
// in the entry's order, no tie ticked.
SectionProperties design(const char* key, std::vector<Rational> mm, bool variant = false)
{
    const SectionEntry& entry = *FindSection(key);
    SectionInput input = DesignInput(entry, variant, LengthUnit::Millimetre);
    input.dimensions = std::move(mm);
    input.ticks.assign(entry.ties.size(), false);
    auto outcome = Compute(entry, input, Scope::All);
    if (auto* refusal = std::get_if<Refusal>(&outcome))
        qFatal("%s refused: %s", key, refusal->message.c_str());
    return std::get<SectionProperties>(outcome);
}

const Real* figureOf(const SectionProperties& properties, std::string_view symbol)
{
    for (const Figure& figure : properties.figures)
        if (figure.kind->symbol == symbol)
            return &figure.value;
    return nullptr;
}

QString exact(const Real& value)
{
    return value.isRational() ? QString::fromStdString(value.rationalValue().get_str())
                              : QStringLiteral("irrational");
}

QString cut(const Real& value, const char* precision = "1000000000")
{
    return written(*Precision(typed(precision)).cut(value));
}

// T-section 100 wide, 100 high, flange and stem 10 thick, flange at the bottom
const std::vector<Rational> Tee{100, 100, 10, 10, 0, 0};
// L 100 × 100 × 10: centroid c = (1000·50 + 900·5)/1900 from both outer faces
const Rational AngleCentroid = q(1000 * 50 + 900 * 5, 1900);

} // namespace

Q_DECLARE_METATYPE(Rational)

class DesignFiguresTest : public QObject {
    Q_OBJECT

private slots:
    void exactValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<std::vector<Rational>>("mm");
        QTest::addColumn<bool>("variant");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<Rational>("expected");
        const auto row = [](const char* name, const char* key, std::vector<Rational> mm,
                            bool variant, const char* symbol, Rational expected) {
            QTest::newRow(name) << key << mm << variant << symbol << expected;
        };
        // rectangle 100 × 50: Wpl = B·H²/4 and H·B²/4, the axes through the middle
        row("rectangle Wplx", "rect", {100, 50}, false, "Wplx", 62500);
        row("rectangle Wply", "rect", {100, 50}, false, "Wply", 125000);
        row("rectangle ypl", "rect", {100, 50}, false, "ypl", 25);
        row("rectangle xpl", "rect", {100, 50}, false, "xpl", 50);
        row("rectangle Ip = BH(B² + H²)/12", "rect", {100, 50}, false, "Ip", q(15625000, 3));
        row("rectangle outline", "rect", {100, 50}, false, "U", 300);
        row("rectangle surface, m²/m", "rect", {100, 50}, false, "surface", q(3, 10));
        row("rectangle shear centre", "rect", {100, 50}, false, "ys", 25);
        // tube Ø100 × 10: (D³ − d³)/6, It = π(D⁴ − d⁴)/32 with the ten-digit π
        const Rational pi = q(3141592654, 1000000000);
        row("round tube Wpl", "round", {100, 10}, false, "Wplx", q(1000000 - 512000, 6));
        row("round tube It", "round", {100, 10}, false, "It",
            Rational(pi * (100000000 - 40960000) / 32));
        row("round tube outline", "round", {100, 10}, false, "U", Rational(pi * 100));
        row("round tube inner outline", "round", {100, 10}, false, "Ui", Rational(pi * 80));
        // box 100 × 200, walls 10: Bredt on the centreline 90 × 190, ∮ds/t = 2·19 + 2·9
        row("box tube It by Bredt", "tube", {100, 10, 200, 10}, false, "It",
            q(4 * 17100 * 17100, 56));
        row("box tube outline", "tube", {100, 10, 200, 10}, false, "U", 600);
        row("box tube inner outline", "tube", {100, 10, 200, 10}, false, "Ui", 520);
        row("box tube Wplx = 2·Sx", "tube", {100, 10, 200, 10}, false, "Wplx",
            2 * (100 * 10 * 95 + 2 * 10 * 90 * 45));
        // T: the flange holds 1000 of 1900 mm², so the plastic axis lies in it at 9.5 and
        // Wpl = 100·9.5²/2 + 100·0.5²/2 + 10·(90.5² − 0.5²)/2
        row("T ypl in the flange", "ibeam", Tee, true, "ypl", q(19, 2));
        row("T Wplx", "ibeam", Tee, true, "Wplx", 45475);
        row("T Wply = 2·Sy", "ibeam", Tee, true, "Wply", 2 * (50 * 10 * 25 + 5 * 90 * q(5, 2)));
        row("T It = Σbt³/3", "ibeam", Tee, true, "It", q(100 * 1000 + 90 * 1000, 3));
        row("T shear centre where the plates meet", "ibeam", Tee, true, "ys", 5);
        row("T no warping", "ibeam", Tee, true, "Iw", 0);
        row("T outline 2(B1 + H)", "ibeam", Tee, true, "U", 400);
        // doubly symmetric I 200 high, flanges 100 × 10, web 6: Wpl = 2·Sx; Iw = If·h²/2
        const std::vector<Rational> I{200, 100, 10, 6, 100, 10};
        row("I Wplx = 2·Sx", "ibeam", I, false, "Wplx", 2 * (100 * 10 * 95 + 6 * 90 * 45));
        row("I Iw", "ibeam", I, false, "Iw", Rational(q(10 * 1000000, 12) * 190 * 190 / 2));
        row("I shear centre at the centroid", "ibeam", I, false, "ys", 100);
        row("I outline 2(B1 + B2 + H) − 2tw", "ibeam", I, false, "U", 788);
        // unequal I: on the web, h·I2/(I1 + I2) above flange 1's centreline
        const std::vector<Rational> unequal{300, 200, 12, 8, 120, 10};
        const Rational I1 = 8000000, I2 = 1440000, h = 289;
        row("unequal I shear centre", "ibeam", unequal, false, "ys",
            Rational(6 + h * I2 / (I1 + I2)));
        row("unequal I Iw", "ibeam", unequal, false, "Iw", Rational(I1 * I2 * h * h / (I1 + I2)));
        // channel 20 × 9 × 0.52 with 1 cm flanges: e = 3b²t/(6bt + hs) outside the web's
        // centreline, Iw = t·b³·h²·(3bt + 2hs)/(12(6bt + hs)), b = 87.4, h = 190
        const std::vector<Rational> channel{200, q(26, 5), 90, 10, 90, 10};
        const Rational b = q(437, 5), s = q(26, 5), t = 10, hw = 190;
        row("channel shear centre", "channel", channel, false, "xs",
            Rational(s / 2 - 3 * b * b * t / (6 * b * t + hw * s)));
        row("channel Iw", "channel", channel, false, "Iw",
            Rational(t * b * b * b * hw * hw * (3 * b * t + 2 * hw * s) /
                     (12 * (6 * b * t + hw * s))));
        row("channel outline", "channel", channel, false, "U", q(7496, 10));
        // angle: the legs' centrelines meet at (s/2, t2/2); no warping; the leg B2 × t2
        // whole and the other H − t2 long
        const std::vector<Rational> angle{100, 10, 0, 0, 100, 10};
        row("angle shear centre x", "channel", angle, true, "xs", 5);
        row("angle shear centre y", "channel", angle, true, "ys", 5);
        row("angle no warping", "channel", angle, true, "Iw", 0);
        row("angle It", "channel", angle, true, "It", q(100 * 1000 + 90 * 1000, 3));
        row("angle plastic axis", "channel", angle, true, "ypl", q(19, 2));
        row("angle outline 2(H + B2)", "channel", angle, true, "U", 400);
        // the Z of equal flanges is symmetric about its centroid: the shear centre is there
        const std::vector<Rational> z{200, q(26, 5), 90, 9, 90, 9};
        row("Z shear centre at the centroid, x", "zsection", z, false, "xs", q(874, 10));
        row("Z shear centre at the centroid, y", "zsection", z, false, "ys", 100);
        // the cross's plates meet in the middle
        row("cross It", "cross", {100, 10, 100, 10}, false, "It", q(100 * 1000 + 90 * 1000, 3));
        row("cross no warping", "cross", {100, 10, 100, 10}, false, "Iw", 0);
        row("cross outline", "cross", {100, 10, 100, 10}, false, "U", 400);
    }
    void exactValues()
    {
        QFETCH(QString, key);
        QFETCH(std::vector<Rational>, mm);
        QFETCH(bool, variant);
        QFETCH(QString, symbol);
        QFETCH(Rational, expected);
        const SectionProperties properties = design(qPrintable(key), mm, variant);
        const Real* value = figureOf(properties, symbol.toStdString());
        QVERIFY2(value != nullptr, qPrintable(symbol));
        QCOMPARE(exact(*value), QString::fromStdString(expected.get_str()));
    }

    // moduli at each fibre: the T's centroid lies 545/19 above its bottom
    void fibreModuli()
    {
        const SectionProperties tee = design("ibeam", Tee, true);
        const Rational yc = q(545, 19);
        const Rational Ix = q(100 * 1000, 12) + 1000 * (5 - yc) * (5 - yc) + q(10 * 729000, 12) +
                            900 * (55 - yc) * (55 - yc);
        QCOMPARE(exact(*figureOf(tee, "W1x")),
                 QString::fromStdString(Rational(Ix / (100 - yc)).get_str()));
        QCOMPARE(exact(*figureOf(tee, "W2x")), QString::fromStdString(Rational(Ix / yc).get_str()));
        QCOMPARE(exact(*figureOf(tee, "W1y")), exact(*figureOf(tee, "W2y")));
    }

    // Equal angle L 100 × 100 × 10: u is the line of symmetry at 45°; the leg tips lie
    // 100/√2 from it, the heel √2·c from v.
    void modulusAboutThePrincipalAxes()
    {
        const SectionProperties angle = design("channel", {100, 10, 0, 0, 100, 10}, true);
        const Rational& c = AngleCentroid;
        const Rational Ix = q(100 * 1000, 12) + 1000 * (5 - c) * (5 - c) + q(10 * 729000, 12) +
                            900 * (55 - c) * (55 - c);
        const Rational Ixy = 1000 * (50 - c) * (5 - c) + 900 * (5 - c) * (55 - c);
        QVERIFY(sgn(Ixy) < 0);
        const Real Wu = Real::Surd(Rational((Ix - Ixy) / 100), 2);     // Iu·√2/100
        const Real Wv = Real::Surd(Rational((Ix + Ixy) / (2 * c)), 2); // Iv/(√2·c)
        QCOMPARE(cut(*figureOf(angle, "Wu")), cut(Wu));
        QCOMPARE(cut(*figureOf(angle, "Wv")), cut(Wv));
    }

    void symmetricSectionsHaveNoPrincipalModuli()
    {
        QVERIFY(figureOf(design("channel", {200, 5, 90, 10, 90, 10}), "Wu") == nullptr);
        QVERIFY(figureOf(design("ibeam", Tee, true), "Wu") == nullptr);
    }

    // St Venant's series for 100 × 50: 2858520.964…, where a thin strip's b·t³/3 would
    // give 4166667; a square's constant is 0.1405770…·a⁴
    void solidRectangleTorsionSeries()
    {
        QCOMPARE(cut(*figureOf(design("rect", {100, 50}), "It"), "1000"), QString("2858520.963"));
        QCOMPARE(cut(*figureOf(design("rhombus", {1}), "It"), "100000000"), QString("0.14057701"));
        QCOMPARE(cut(*figureOf(design("rect", {1, 1}), "It"), "100000000"), QString("0.14057701"));
    }

    // Thin-walled models against finite elements (Pilkey): a few per cent is the theory's
    // accuracy for these proportions.
    void thinWalledAgainstFiniteElements_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<std::vector<Rational>>("mm");
        QTest::addColumn<bool>("variant");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<double>("reference");
        const std::vector<Rational> channel{19, 1, q(17, 2), 1, q(17, 2), 1};
        QTest::newRow("channel J") << "channel" << channel << false << "It" << 11.28862;
        QTest::newRow("channel Iw") << "channel" << channel << false << "Iw" << 12763.15;
        // 2.86769 outside the web's centreline, which lies 0.5 from its outer face
        QTest::newRow("channel shear centre")
            << "channel" << channel << false << "xs" << 0.5 - 2.86769;
        QTest::newRow("equal angle J")
            << "channel" << std::vector<Rational>{q(21, 2), 1, 0, 0, q(21, 2), 1} << true << "It"
            << 6.539189;
        QTest::newRow("unequal angle J")
            << "channel" << std::vector<Rational>{q(31, 2), 1, 0, 0, q(21, 2), 1} << true << "It"
            << 8.211705;
    }
    void thinWalledAgainstFiniteElements()
    {
        QFETCH(QString, key);
        QFETCH(std::vector<Rational>, mm);
        QFETCH(bool, variant);
        QFETCH(QString, symbol);
        QFETCH(double, reference);
        const double value =
            figureOf(design(qPrintable(key), mm, variant), symbol.toStdString())->approximately();
        QVERIFY2(std::fabs(value - reference) <= 0.03 * std::fabs(reference),
                 qPrintable(QString::number(value, 'g', 10)));
    }

    // a channel turned upside down has its shear centre turned with it
    void unequalChannelShearCentreTurnsWithIt()
    {
        const SectionProperties up = design("channel", {200, 6, 120, 12, 80, 8});
        const SectionProperties down = design("channel", {200, 6, 80, 8, 120, 12});
        QCOMPARE(exact(*figureOf(up, "xs")), exact(*figureOf(down, "xs")));
        QCOMPARE(exact(*figureOf(up, "ys")),
                 QString::fromStdString(
                     Rational(200 - figureOf(down, "ys")->rationalValue()).get_str()));
        QCOMPARE(exact(*figureOf(up, "Iw")), exact(*figureOf(down, "Iw")));
    }

    void hexagonHasNoTorsionConstant()
    {
        const SectionProperties hexagon = design("hexagon", {10, 0});
        QVERIFY(figureOf(hexagon, "It") == nullptr);
        QVERIFY(figureOf(hexagon, "Iw") == nullptr);
        QCOMPARE(exact(*figureOf(hexagon, "U")), QString("60"));
    }
};

QTEST_GUILESS_MAIN(DesignFiguresTest)
#include "tst_design_figures.moc"
