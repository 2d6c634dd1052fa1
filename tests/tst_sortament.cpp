// The rolled sections of the standards: the tables compiled in as the files hold them,
// every printed value beside the one computed from the profile's own geometry, the
// cells known to be wrong shown as differences on the card, and the look-up by every
// spelling of a designation.
#include "section_card.h"
#include "sortament/data_table.h"
#include "sortament/printed_values.h"
#include "sortament/rolled_section.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace velkor;
using namespace velkor::sortament;

namespace {

const Standard& standard(const QString& key)
{
    const Standard* found = FindStandard(key.toStdString());
    if (found == nullptr)
        qFatal("no standard %s", qPrintable(key));
    return *found;
}

QString designationOf(const Profile* profile)
{
    return profile ? QString::fromUtf8(profile->designation().data(),
                                       qsizetype(profile->designation().size()))
                   : QString();
}

QStringList designations(const std::vector<const Profile*>& profiles)
{
    QStringList names;
    for (const Profile* p : profiles)
        names << designationOf(p);
    return names;
}

const CardRow& row(const SectionCard& card, const QString& symbol)
{
    const auto found = std::find_if(card.rows.begin(), card.rows.end(), [&](const CardRow& r) {
        return QString::fromStdString(r.symbol) == symbol;
    });
    if (found == card.rows.end())
        qFatal("no row %s", qPrintable(symbol));
    return *found;
}

SectionCard cardOf(const QString& key, const QString& designation, LengthUnit unit)
{
    const Profile& profile = *FindProfile(standard(key), designation.toStdString());
    CardRequest request{&RolledSection(), ProfileTitle(profile), unit, {}, {}, false,
                        Decimal{7850, 0}, Decimal{1000, 0}};
    request.profile = &profile;
    return std::get<SectionCard>(MakeCard(request, '.'));
}

} // namespace

class SortamentTest : public QObject {
    Q_OBJECT

private slots:
    // The generated tables against the files themselves, cell by cell.
    void compiledTablesHoldTheFiles()
    {
        for (const DataTable& table : DataTables()) {
            QFile file(QString(VELKOR_SORTAMENT_DIR) + '/' +
                       QString::fromUtf8(table.name.data(), qsizetype(table.name.size())) + ".csv");
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
            QCOMPARE(std::size_t(lines.size()), table.rows() + 1);
            for (qsizetype line = 0; line < lines.size(); ++line) {
                const QList<QByteArray> cells = lines[line].trimmed().split(',');
                QCOMPARE(std::size_t(cells.size()), table.columns.size());
                for (qsizetype k = 0; k < cells.size(); ++k) {
                    const std::string_view cell =
                        line == 0 ? table.columns[std::size_t(k)]
                                  : table.cell(std::size_t(line - 1), std::size_t(k));
                    QCOMPARE(QByteArray(cell.data(), qsizetype(cell.size())), cells[k]);
                }
            }
        }
    }

    // Every printed value not flagged in the table's errata agrees within one unit of its
    // last printed digit, and at least the share found when the data were checked agrees
    // exactly (over every value printed, the flagged ones among them).
    void printedValuesAgreeWithTheGeometry_data()
    {
        QTest::addColumn<QStringList>("standards");
        QTest::addColumn<double>("exactShare"); // percent
        QTest::newRow("ГОСТ 8239") << QStringList{"gost8239"} << 94.8;
        QTest::newRow("ГОСТ 8240 У") << QStringList{"gost8240u"} << 97.2;
        QTest::newRow("ГОСТ 8240 П") << QStringList{"gost8240p"} << 96.1;
        QTest::newRow("ГОСТ 8509") << QStringList{"gost8509"} << 89.6;
        QTest::newRow("ГОСТ 8510") << QStringList{"gost8510"} << 81.4;
        QTest::newRow("ГОСТ 26020") << QStringList{"gost26020"} << 79.0;
        QTest::newRow("IPE, HE") << QStringList{"ipe", "hea", "heb", "hem"} << 100.0;
    }
    void printedValuesAgreeWithTheGeometry()
    {
        QFETCH(QStringList, standards);
        QFETCH(double, exactShare);
        int values = 0, exact = 0, withinOne = 0, flaggedDiffering = 0, flaggedAgreeing = 0;
        for (const QString& key : standards)
            for (const Profile& profile : ProfilesOf(standard(key))) {
                const ArcSectionFigures figures = ProfileFigures(profile);
                for (const PrintedComparison& c : CompareWithPrinted(profile, figures)) {
                    if (!c.compared)
                        continue;
                    ++values;
                    exact += c.agreement == Agreement::Exact;
                    if (c.printed->flag != PrintedFlag::None) {
                        ++(c.agreement == Agreement::Differs ? flaggedDiffering : flaggedAgreeing);
                        continue;
                    }
                    withinOne += c.agreement == Agreement::WithinOneUnit;
                    if (c.agreement == Agreement::Differs)
                        QFAIL(qPrintable(
                            QString("%1 %2 %3: printed %4, computed %5")
                                .arg(key, designationOf(&profile))
                                .arg(QString::fromUtf8(c.printed->column.data(),
                                                       qsizetype(c.printed->column.size())))
                                .arg(QString::fromUtf8(c.printed->text.data(),
                                                       qsizetype(c.printed->text.size())))
                                .arg(QString::fromStdString(c.computedText))));
                }
            }
        // to a tenth of a percent, as the share is given
        const double share = std::floor(1000.0 * exact / values + 0.5) / 10;
        qInfo("%-12s %5d printed values: %5d exact (%5.1f %%, at least %5.1f %%), %4d within one "
              "unit, %3d flagged and differing, %3d flagged but within one unit",
              QTest::currentDataTag(), values, exact, share, exactShare, withinOne,
              flaggedDiffering, flaggedAgreeing);
        QVERIFY(values > 0);
        QVERIFY2(share >= exactShare, qPrintable(QString::number(share)));
    }

    // Two cells the table prints wrong by far: differences on the card, in any unit.
    void flaggedCellsAreDifferencesOnTheCard_data()
    {
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<bool>("differs");
        QTest::newRow("8509 80×10 Ix") << "gost8509"
                                       << "80x10" << LengthUnit::Centimetre << "Ix"
                                       << "83.58" << true;
        QTest::newRow("8509 80×10 Ix in mm") << "gost8509"
                                             << "80x10" << LengthUnit::Millimetre << "Ix"
                                             << "835800" << true;
        QTest::newRow("8509 80×10 Ixy, printed positive")
            << "gost8509"
            << "80x10" << LengthUnit::Centimetre << "Ixy"
            << "56.7" << true;
        QTest::newRow("8509 80×10 Wx agrees") << "gost8509"
                                              << "80x10" << LengthUnit::Centimetre << "Wx"
                                              << "15.67" << false;
        QTest::newRow("8509 80×10 mass agrees") << "gost8509"
                                                << "80x10" << LengthUnit::Metre << "weight"
                                                << "11.88" << false;
        QTest::newRow("26020 40ДШ1 Ix") << "gost26020"
                                        << "40ДШ1" << LengthUnit::Centimetre << "Ix"
                                        << "45330" << true;
        QTest::newRow("26020 40ДШ1 Ix in m") << "gost26020"
                                             << "40ДШ1" << LengthUnit::Metre << "Ix"
                                             << "0.0004533" << true;
        QTest::newRow("8510 names the least axis u") << "gost8510"
                                                     << "63x40x5" << LengthUnit::Centimetre << "Iv"
                                                     << "3.73" << false;
        QTest::newRow("IPE's strong axis y") << "ipe"
                                             << "IPE200" << LengthUnit::Centimetre << "Wplx"
                                             << "220.6" << false;
    }
    void flaggedCellsAreDifferencesOnTheCard()
    {
        QFETCH(QString, standard);
        QFETCH(QString, designation);
        QFETCH(LengthUnit, unit);
        QFETCH(QString, symbol);
        QFETCH(QString, printed);
        QFETCH(bool, differs);
        const SectionCard card = cardOf(standard, designation, unit);
        const CardRow& r = row(card, symbol);
        QCOMPARE(QString::fromStdString(r.printed), printed);
        QCOMPARE(r.differsFromPrinted, differs);
    }

    void cardOfAProfile()
    {
        const SectionCard card = cardOf("gost8239", "20", LengthUnit::Centimetre);
        QCOMPARE(QString::fromStdString(card.title), QString("Двутавр 20 ГОСТ 8239-89"));
        QStringList inputs;
        for (const CardInput& input : card.inputs)
            inputs << QString::fromStdString(input.caption + ": " + input.value);
        QCOMPARE(inputs,
                 (QStringList{"Единицы: сантиметр", "Стандарт: ГОСТ 8239-89", "Профиль: 20",
                              "h: 20 см", "b: 10 см", "s: 0.52 см", "t: 0.84 см", "R: 0.95 см",
                              "r: 0.4 см", "Удельный вес: 7850 кг/м3", "Точность: 1000"}));
        // the figures nobody prints carry no printed value
        QVERIFY(row(card, "Wplx").printed.empty());
        QCOMPARE(QString::fromStdString(row(card, "Ix").value), QString("1839.504"));
        QCOMPARE(QString::fromStdString(row(card, "Ix").printed), QString("1840"));
    }

    void comparedPlace_data()
    {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<int>("place");
        QTest::newRow("decimals") << "83.58" << -2;
        QTest::newRow("a trailing zero of a decimal counts") << "13.0" << -1;
        QTest::newRow("an integer's zero does not") << "1840" << 1;
        QTest::newRow("but three figures are compared") << "100" << 0;
        QTest::newRow("every figure of a long integer") << "19062" << 0;
        QTest::newRow("two trailing zeros") << "45300" << 2;
        QTest::newRow("a small integer") << "9" << 0;
    }
    void comparedPlace()
    {
        QFETCH(QString, printed);
        QFETCH(int, place);
        QCOMPARE(ComparedPlace(printed.toStdString()), long(place));
    }

    void designationsInEverySpelling_data()
    {
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found"); // empty: none
        QTest::newRow("a number") << "gost8239"
                                  << "20"
                                  << "20";
        QTest::newRow("blanks around") << "gost8239"
                                       << " 20 "
                                       << "20";
        QTest::newRow("a letter") << "gost8239"
                                  << "20а"
                                  << "";
        QTest::newRow("series and number") << "gost26020"
                                           << "20Б1"
                                           << "20Б1";
        QTest::newRow("lower case") << "gost26020"
                                    << "20б1"
                                    << "20Б1";
        QTest::newRow("Latin K for К") << "gost26020"
                                       << "20K1"
                                       << "20К1";
        QTest::newRow("a decimal point") << "gost8240u"
                                         << "6.5У"
                                         << "6.5У";
        QTest::newRow("a decimal comma") << "gost8240u"
                                         << "6,5У"
                                         << "6.5У";
        QTest::newRow("Latin y and a for у and а") << "gost8240u"
                                                   << "16ay"
                                                   << "16аУ";
        QTest::newRow("the series of another standard") << "gost8240u"
                                                        << "20П"
                                                        << "";
        QTest::newRow("Latin x") << "gost8509"
                                 << "50x5"
                                 << "50x5";
        QTest::newRow("Cyrillic х") << "gost8509"
                                    << "50х5"
                                    << "50x5";
        QTest::newRow("the sign of multiplication") << "gost8509"
                                                    << "50×5"
                                                    << "50x5";
        QTest::newRow("an angle's L") << "gost8509"
                                      << "L50x5"
                                      << "50x5";
        QTest::newRow("an angle's sign") << "gost8509"
                                         << "∟50×5"
                                         << "50x5";
        QTest::newRow("both legs of an equal angle") << "gost8509"
                                                     << "50x50x5"
                                                     << "50x5";
        QTest::newRow("legs that differ are no equal angle") << "gost8509"
                                                             << "50x40x5"
                                                             << "";
        QTest::newRow("a decimal thickness") << "gost8509"
                                             << "100 x 6,5"
                                             << "100x6.5";
        QTest::newRow("unequal angle") << "gost8510"
                                       << "63x40x5"
                                       << "63x40x5";
        QTest::newRow("unequal angle the other way round") << "gost8510"
                                                           << "40x63x5"
                                                           << "";
        QTest::newRow("IPE as written") << "ipe"
                                        << "IPE200"
                                        << "IPE200";
        QTest::newRow("IPE with a blank") << "ipe"
                                          << "IPE 200"
                                          << "IPE200";
        QTest::newRow("IPE by its size") << "ipe"
                                         << "200"
                                         << "IPE200";
        QTest::newRow("HEA in lower case") << "hea"
                                           << "hea 300"
                                           << "HEA300";
        QTest::newRow("HEB under HEA") << "hea"
                                       << "HEB300"
                                       << "";
        QTest::newRow("R 57837 with a decimal") << "gost57837"
                                                << "35К1,5"
                                                << "35К1.5";
        QTest::newRow("nothing") << "gost8239"
                                 << ""
                                 << "";
        QTest::newRow("bytes that are not UTF-8") << "gost8239"
                                                  << "2\xff"
                                                  << "";
    }
    void designationsInEverySpelling()
    {
        QFETCH(QString, standard);
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QCOMPARE(designationOf(FindProfile(::standard(standard), typed.toStdString())), found);
    }

    void nearestDesignations_data()
    {
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("nearest");
        QTest::newRow("a size between two") << "gost8239"
                                            << "21" << QStringList{"20", "22", "24", "27", "18"};
        QTest::newRow("a thickness the angle has not")
            << "gost8509"
            << "50x9" << QStringList{"50x8", "50x7", "50x6", "50x5", "50x4"};
        QTest::newRow("a series letter mistyped")
            << "gost26020"
            << "20Б9" << QStringList{"20Б1", "20К2", "20Ш1", "20К1", "23Б1"};
    }
    void nearestDesignations()
    {
        QFETCH(QString, standard);
        QFETCH(QString, typed);
        QFETCH(QStringList, nearest);
        QCOMPARE(designations(NearestProfiles(::standard(standard), typed.toStdString())), nearest);
    }

    void profilesBeginningAsTyped_data()
    {
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("a channel's size") << "gost8240p"
                                          << "2" << QStringList{"20П", "22П", "24П", "27П"};
        QTest::newRow("an angle's leg, Cyrillic х")
            << "gost8510"
            << "63х" << QStringList{"63x40x4", "63x40x5", "63x40x6", "63x40x8"};
        QTest::newRow("IPE by its size") << "ipe"
                                         << "60" << QStringList{"IPE600"};
        QTest::newRow("nothing begins so") << "gost8239"
                                           << "7" << QStringList{};
    }
    void profilesBeginningAsTyped()
    {
        QFETCH(QString, standard);
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        QCOMPARE(designations(ProfilesBeginning(::standard(standard), typed.toStdString())), found);
    }

    // What a drawing of the profile calls its axes.
    void axesAsTheStandardsNameThem_data()
    {
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QStringList>("names"); // x, y, greatest, least
        QTest::newRow("equal angles") << "gost8509" << QStringList{"x", "y", "x0", "y0"};
        QTest::newRow("unequal angles") << "gost8510" << QStringList{"x", "y", "v", "u"};
        QTest::newRow("I-beams") << "gost26020" << QStringList{"x", "y", "u", "v"};
        QTest::newRow("European") << "heb" << QStringList{"y", "z", "y", "z"};
    }
    void axesAsTheStandardsNameThem()
    {
        QFETCH(QString, standard);
        QFETCH(QStringList, names);
        const AxisNames axes = AxesOf(::standard(standard));
        QStringList found;
        for (const std::string_view name : {axes.x, axes.y, axes.greatest, axes.least})
            found << QString::fromUtf8(name.data(), qsizetype(name.size()));
        QCOMPARE(found, names);
    }

    void nearestStandards()
    {
        QStringList keys;
        for (const Standard* s : NearestStandards("gost8240"))
            keys << QString::fromUtf8(s->key.data(), qsizetype(s->key.size()));
        QCOMPARE(keys.mid(0, 2), (QStringList{"gost8240u", "gost8240p"}));
    }
};

QTEST_APPLESS_MAIN(SortamentTest)
#include "tst_sortament.moc"
