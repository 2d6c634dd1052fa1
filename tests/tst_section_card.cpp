// The section card: every figure of the section once, in its group, cut like the
// calculator's; the inputs as typed with the ties applied; the drawing to scale, with the
// axes and points the figures place.
#include "every_section.h"
#include "numbers.h"
#include "section_card.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace velkor;

namespace {

CardRequest designRequest(const SectionEntry& entry, bool variant)
{
    CardRequest request{&entry,
                        std::string(entry.key),
                        LengthUnit::Centimetre,
                        {},
                        {},
                        variant,
                        Val(entry.specificWeight),
                        Val("1000")};
    const SectionInput design = DesignInput(entry, variant, LengthUnit::Millimetre);
    for (const DimensionSpec& d : entry.dimensions)
        request.dimensions.push_back(Val(d.defaultText));
    request.ticks = design.ticks;
    return request;
}

// A request in centimetres from "NAME=VALUE" pairs over the design inputs.
CardRequest request(std::string_view key, bool variant,
                    std::initializer_list<std::pair<std::string_view, std::string_view>> typed)
{
    const SectionEntry& entry = *FindSection(key);
    CardRequest r = designRequest(entry, variant);
    for (const auto& [name, text] : typed)
        r.dimensions[entry.dimensionIndex(name)] = Val(text);
    return r;
}

SectionCard card(const CardRequest& r, char separator = '.')
{
    auto made = MakeCard(r, separator);
    if (const auto* refusal = std::get_if<Refusal>(&made))
        qFatal("refused: %s", refusal->message.c_str());
    return std::get<SectionCard>(std::move(made));
}

const CardRow* row(const SectionCard& c, std::string_view symbol)
{
    const auto found = std::find_if(c.rows.begin(), c.rows.end(),
                                    [&](const CardRow& r) { return r.symbol == symbol; });
    return found == c.rows.end() ? nullptr : &*found;
}

std::string input(const SectionCard& c, std::string_view caption)
{
    for (const CardInput& i : c.inputs)
        if (i.caption == caption)
            return i.value;
    return "<none>";
}

} // namespace

class SectionCardTest : public QObject {
    Q_OBJECT

private slots:
    void everyFigureOnceInItsGroup_data() { addEverySection(); }
    void everyFigureOnceInItsGroup()
    {
        QFETCH(QString, key);
        QFETCH(bool, variant);
        const SectionEntry& entry = *FindSection(key.toStdString());
        const CardRequest r = designRequest(entry, variant);
        const SectionCard c = card(r);

        std::vector<Rational> millimetres;
        for (const Decimal& d : r.dimensions)
            millimetres.push_back(ToRational(InMillimetres(d, r.unit)));
        const auto display = std::get<Display>(
            ToDisplay(Compute(entry, {millimetres, r.ticks, variant}, Scope::All),
                      {r.unit, ToRational(r.specificWeight), ToRational(r.precision)}));
        std::set<std::string> symbols;
        for (const CardRow& row : c.rows)
            QVERIFY2(symbols.insert(row.symbol).second, row.symbol.c_str());
        QCOMPARE(c.rows.size(), display.figures.size() + 1); // and the weight
        for (const ShownFigure& f : display.figures) {
            const CardRow* shown = row(c, f.kind->symbol);
            QVERIFY2(shown, f.kind->symbol.data());
            QCOMPARE(shown->value, FormatLocale(f.value, '.'));
            QCOMPARE(shown->note, std::string(f.model));
        }
        QCOMPARE(c.rows.back().value, FormatLocale(display.weight, '.'));
        // the groups come in their order, each once
        QVERIFY(
            std::is_sorted(c.rows.begin(), c.rows.end(),
                           [](const CardRow& a, const CardRow& b) { return a.group < b.group; }));
    }

    void unitsAndSeparator()
    {
        const SectionCard c = card(request("ibeam", false, {}), ',');
        QCOMPARE(row(c, "A")->value, std::string("37,5"));
        QCOMPARE(row(c, "A")->unit, std::string("см2"));
        QCOMPARE(row(c, "Ix")->value, std::string("2555,071"));
        QCOMPARE(row(c, "Ix")->unit, std::string("см4"));
        QCOMPARE(row(c, "Iw")->unit, std::string("см6"));
        QCOMPARE(row(c, "surface")->unit, std::string("м2/м"));
        QCOMPARE(row(c, "weight")->value, std::string("29,437"));
        QCOMPARE(row(c, "weight")->unit, std::string("кг/м"));
        QCOMPARE(row(c, "It")->group, FigureGroup::Torsion);
        QVERIFY(!row(c, "It")->note.empty());
        QCOMPARE(input(c, "tf1"), std::string("0,9 см"));
        QCOMPARE(input(c, "Удельный вес"), std::string("7850 кг/м3"));
        QCOMPARE(c.dimensionLabels.front(), std::string("H = 19,3"));
    }

    // a tied box counts with its source's value, a box the shape ignores not at all
    void inputsWithTheTiesApplied()
    {
        const SectionCard channel = card(request("channel", false, {{"B2", "7"}, {"B1", "99"}}));
        QCOMPARE(input(channel, "B1"), std::string("7 см (B1 = B2)"));
        QCOMPARE(input(channel, "B2"), std::string("7 см"));
        QCOMPARE(input(channel, "Единицы"), std::string("сантиметр"));

        const SectionCard angle = card(request("channel", true, {{"B1", "99"}}));
        QCOMPARE(input(angle, "B1"), std::string("<none>"));
        QCOMPARE(input(angle, "t2"), std::string("0.52 см (t2 = s)"));

        const SectionCard bar = card(request("round", true, {{"D", "20"}}));
        QCOMPARE(input(bar, "t"), std::string("<none>"));
        QCOMPARE(bar.dimensionLabels, std::vector<std::string>{"D = 20"});
    }

    void refusalsPassThrough_data()
    {
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("message");
        QTest::newRow("section") << "1000"
                                 << QString::fromStdString(std::string("s должно быть меньше B1"));
        QTest::newRow("precision") << "0" << QString::fromUtf8(WrongPrecisionMessage.data());
    }
    void refusalsPassThrough()
    {
        QFETCH(QString, precision);
        QFETCH(QString, message);
        CardRequest r = request("channel", false, {{"s", precision == "0" ? "0.52" : "10"}});
        r.precision = Val(precision.toStdString());
        const auto made = MakeCard(r, '.');
        QVERIFY(std::holds_alternative<Refusal>(made));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(made).message), message);
    }

    // the drawing's extent is the section's, in millimetres, whatever the unit
    void drawnToScale_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("variant");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("channel") << "channel" << false << 90.0 << 200.0;
        QTest::newRow("angle") << "channel" << true << 90.0 << 200.0;
        QTest::newRow("Z") << "zsection" << false << 174.8 << 200.0;
        QTest::newRow("I") << "ibeam" << false << 150.0 << 193.0;
        QTest::newRow("round") << "round" << false << 142.0 << 142.0;
        QTest::newRow("tube") << "tube" << false << 60.0 << 110.0;
        QTest::newRow("cross") << "cross" << false << 100.0 << 100.0; // H follows B
        QTest::newRow("rhombus") << "rhombus" << false << 70.71067811865476 << 70.71067811865476;
        QTest::newRow("hexagon") << "hexagon" << false << 20.0 << 17.32050807568877;
    }
    void drawnToScale()
    {
        QFETCH(QString, key);
        QFETCH(bool, variant);
        QFETCH(double, width);
        QFETCH(double, height);
        const SectionCard c = card(designRequest(*FindSection(key.toStdString()), variant));
        const SectionDrawing& d = c.drawing;
        QCOMPARE(d.width, width);
        QCOMPARE(d.height, height);
        const auto inside = [&](const DrawnPoint& p) {
            return p.x >= -1e-9 && p.x <= d.width + 1e-9 && p.y >= -1e-9 && p.y <= d.height + 1e-9;
        };
        for (const DrawnContour& contour : d.shape.contours)
            QVERIFY(std::all_of(contour.points.begin(), contour.points.end(), inside));
        for (const DimensionLine& line : d.shape.dimensions) {
            QVERIFY2(inside(line.from) && inside(line.to), line.name.data());
            QVERIFY(line.length > 0);
        }
        QVERIFY(inside(d.centroid));
        QCOMPARE(c.dimensionLabels.size(), d.shape.dimensions.size());
    }

    void marksWhereTheyDiffer()
    {
        // a channel is symmetric about X, so X and Y are its principal axes; its shear
        // centre lies behind the web, outside the material
        const SectionDrawing channel = card(request("channel", false, {})).drawing;
        QVERIFY(!channel.principalAngle);
        QVERIFY(channel.shearCentre && channel.shearCentre->x < 0);
        QCOMPARE(channel.shearCentre->y, 100.0);
        QCOMPARE(channel.centroid.y, 100.0);
        QVERIFY(channel.plasticAxisX && !channel.plasticAxisY);

        const SectionDrawing angle =
            card(request("channel", true, {{"B2", "20"}, {"s", "0.52"}})).drawing;
        QVERIFY(angle.principalAngle);
        QCOMPARE(*angle.principalAngle, 45.0);
        QVERIFY(angle.shearCentre);
        QVERIFY(qAbs(angle.shearCentre->x - 2.6) < 1e-9); // where the legs' mid-lines meet

        const SectionDrawing tee = card(request("ibeam", true, {})).drawing;
        QVERIFY(tee.plasticAxisY && *tee.plasticAxisY < tee.centroid.y);
        QVERIFY(!tee.plasticAxisX && !tee.principalAngle);

        const SectionDrawing tube = card(request("tube", false, {})).drawing;
        QVERIFY(!tube.shearCentre && !tube.plasticAxisX && !tube.plasticAxisY);
        QCOMPARE(tube.centroid.x, 30.0);
    }

    // "H= B" squares the opening: the height drawn and labelled is the outer one
    void squaredTubeOpening()
    {
        CardRequest r = request("tube", false, {{"B", "6"}, {"b", "0.5"}, {"h", "1"}});
        const SectionEntry& entry = *r.entry;
        r.ticks[entry.tieIndex("h")] = false;
        r.ticks[entry.tieIndex("H")] = true;
        const SectionCard c = card(r);
        QCOMPARE(c.drawing.height, 70.0);
        QCOMPARE(c.dimensionLabels[1], std::string("H = 7"));
        QCOMPARE(input(c, "H"), std::string("6 см (H = B)"));
    }
};

QTEST_GUILESS_MAIN(SectionCardTest)
#include "tst_section_card.moc"
