// The catalogue of sections: each entry's computation gives exactly the figures it names,
// its design inputs are accepted in either shape, and the ties and shapes decide which
// boxes count.
#include "catalogue.h"
#include "every_section.h"
#include "shown_figures.h"

#include <QTest>

using namespace velkor;

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void designInputsGiveTheNamedFigures_data() { addEverySection(); }
    void designInputsGiveTheNamedFigures()
    {
        QFETCH(QString, key);
        QFETCH(bool, variant);
        const SectionEntry& entry = *FindSection(key.toStdString());
        const auto outcome = Compute(entry, DesignInput(entry, variant, LengthUnit::Centimetre));
        const auto* properties = std::get_if<SectionProperties>(&outcome);
        QVERIFY(properties != nullptr);
        QCOMPARE(properties->figures.size(), entry.figures.size());
        for (std::size_t k = 0; k < entry.figures.size(); ++k)
            QCOMPARE(properties->figures[k].kind->symbol, entry.figures[k]->symbol);
    }

    // with every figure: the calculator's, then those of the design list the section has,
    // in its order; only the moduli about principal axes other than X and Y, and the inner
    // outline of a tube with a bore, may be missing
    void designInputsGiveTheDesignFiguresInOrder_data() { designInputsGiveTheNamedFigures_data(); }
    void designInputsGiveTheDesignFiguresInOrder()
    {
        QFETCH(QString, key);
        QFETCH(bool, variant);
        const SectionEntry& entry = *FindSection(key.toStdString());
        const auto outcome =
            Compute(entry, DesignInput(entry, variant, LengthUnit::Centimetre), Scope::All);
        const auto& figures = std::get<SectionProperties>(outcome).figures;
        std::size_t next = entry.figures.size();
        for (const FigureKind* kind : entry.designFigures) {
            if (next < figures.size() && figures[next].kind == kind) {
                ++next;
                continue;
            }
            const bool optional = kind == &figure::Wu || kind == &figure::Wv || kind == &figure::Ui;
            QVERIFY2(optional, kind->symbol.data());
        }
        QCOMPARE(next, figures.size());
    }

    void everyTieNamesDimensionsOfItsSection()
    {
        for (const SectionEntry& entry : Catalogue())
            for (const TieSpec& tie : entry.ties) {
                QVERIFY(entry.dimensionIndex(tie.tied) < entry.dimensions.size());
                QVERIFY(entry.dimensionIndex(tie.source) < entry.dimensions.size());
                // a tie not ticked at design time is ticked on the command line by its flag
                QVERIFY(tie.tickedByDefault || tie.flag.starts_with("--"));
            }
    }

    // The cross with both ties: H and h follow B and b whatever their boxes hold; released,
    // the boxes count.
    void tiesDecideWhichBoxesCount()
    {
        const SectionEntry& cross = *FindSection("cross");
        SectionInput input{{100, 10, 7, 8}, {true, true}, false};
        const QStringList tied = shownFigures(Compute(cross, input), LengthUnit::Millimetre, {"A"});
        QCOMPARE(tied.front(), QString("1900"));
        input.ticks = {false, false};
        const QStringList free = shownFigures(Compute(cross, input), LengthUnit::Millimetre, {"A"});
        QCOMPARE(free.front(), QString("H должно быть > h и \u0412 > b"));
    }

    // A box the chosen shape ignores is not read: the hidden wall of a solid bar, or the
    // flange 2 of a T-section, may hold anything.
    void ignoredBoxesCannotRefuse_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("dimension");
        QTest::newRow("wall of a solid bar") << "round"
                                             << "t";
        QTest::newRow("flange 2 of a T-section") << "ibeam"
                                                 << "B2";
        QTest::newRow("upper flange of an angle") << "channel"
                                                  << "t1";
        QTest::newRow("radius of a hexagon sized by H") << "hexagon"
                                                        << "R";
    }
    void ignoredBoxesCannotRefuse()
    {
        QFETCH(QString, key);
        QFETCH(QString, dimension);
        const SectionEntry& entry = *FindSection(key.toStdString());
        SectionInput input = DesignInput(entry, true, LengthUnit::Centimetre);
        input.dimensions[entry.dimensionIndex(dimension.toStdString())] = typed("1e999");
        QVERIFY(std::holds_alternative<SectionProperties>(Compute(entry, input)));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
