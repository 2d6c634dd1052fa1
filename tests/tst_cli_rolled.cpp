// velkor-cli rolled: a profile of a standard's table chosen by its designation in any
// spelling, the lists, the refusals with the nearest designations, batch lines and the
// report.
#include "sortament/standards.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run velkorCli(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(VELKOR_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        qFatal("velkor-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList keysOf(const QString& json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object().value("results").toObject().keys();
}

} // namespace

class CliRolledTest : public QObject {
    Q_OBJECT

private slots:
    void everySpellingGivesTheProfile_data()
    {
        QTest::addColumn<QStringList>("written");  // as the table writes it
        QTest::addColumn<QStringList>("spelling"); // another way
        QTest::newRow("Cyrillic х")
            << QStringList{"gost8509", "50x5"} << QStringList{"gost8509", "50х5"};
        QTest::newRow("angle's sign and ×")
            << QStringList{"gost8509", "50x5"} << QStringList{"gost8509", "∟50×5"};
        QTest::newRow("L") << QStringList{"gost8509", "50x5"} << QStringList{"gost8509", "L50x5"};
        QTest::newRow("unequal angle, upper-case Х")
            << QStringList{"gost8510", "63x40x5"} << QStringList{"gost8510", "63Х40Х5"};
        QTest::newRow("decimal comma")
            << QStringList{"gost8240u", "6.5У"} << QStringList{"gost8240u", "6,5У"};
        QTest::newRow("lower-case series")
            << QStringList{"gost26020", "20Б1"} << QStringList{"gost26020", "20б1"};
        QTest::newRow("IPE with a blank")
            << QStringList{"ipe", "IPE200"} << QStringList{"ipe", "IPE 200"};
        QTest::newRow("IPE by its size")
            << QStringList{"ipe", "IPE200"} << QStringList{"ipe", "200"};
    }
    void everySpellingGivesTheProfile()
    {
        QFETCH(QStringList, written);
        QFETCH(QStringList, spelling);
        const Run canonical = velkorCli(QStringList{"rolled"} + written + QStringList{"--all"});
        QCOMPARE(canonical.err, QString());
        QCOMPARE(canonical.exitCode, 0);
        const Run other = velkorCli(QStringList{"rolled"} + spelling + QStringList{"--all"});
        QCOMPARE(other.err, QString());
        QCOMPARE(other.exitCode, 0);
        QCOMPARE(other.out, canonical.out);
    }

    void resultsUnderTheKeysOfTheSections()
    {
        const Run shown = velkorCli({"rolled", "gost8239", "20", "--json"});
        QCOMPARE(shown.exitCode, 0);
        QCOMPARE(keysOf(shown.out),
                 (QStringList{"A", "Iu", "Iv", "Ix", "Ixy", "Iy", "Sx", "Sy", "Wx", "Wy", "Xc",
                              "Yc", "alpha", "iu", "iv", "ix", "iy", "weight"}));
        const QJsonObject object = QJsonDocument::fromJson(shown.out.toUtf8()).object();
        QCOMPARE(object.value("section").toString(), QString("rolled"));
        QCOMPARE(object.value("standard").toString(), QString("gost8239"));
        QCOMPARE(object.value("designation").toString(), QString("20"));
        QCOMPARE(object.value("results").toObject().value("Ix").toDouble(), 1839.504);
        // an angle's principal axes are not X and Y: the moduli about them too
        const Run all = velkorCli({"rolled", "gost8509", "50x5", "--json", "--all"});
        for (const char* key :
             {"Wu", "Wv", "Wplx", "Wply", "xpl", "ypl", "Ip", "U", "surface", "W1x", "W2y"})
            QVERIFY2(keysOf(all.out).contains(key), key);
    }

    void unitPrecisionAndGamma()
    {
        const Run run = velkorCli(
            {"rolled", "gost8239", "20", "--unit", "mm", "--precision", "10", "--gamma", "7800"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("A = 2680.6 mm2\n"), qPrintable(run.out));
        QVERIFY2(run.out.contains("Ix = 18395040.4 mm4\n"), qPrintable(run.out));
        QVERIFY2(run.out.contains("weight = 20.9 kg/m\n"), qPrintable(run.out));
    }

    void unknownOnesAreRefusedWithTheNearest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("a size the standard has not")
            << QStringList{"rolled", "gost8239", "21"}
            << "velkor-cli: no profile '21' in gost8239 (ГОСТ 8239-89); nearest: 20, 22, 24, 27, "
               "18\n";
        QTest::newRow("a standard without its series")
            << QStringList{"rolled", "gost8240", "20У"}
            << "velkor-cli: unknown standard 'gost8240'; nearest: gost8240u, gost8240p, gost8239\n";
        QTest::newRow("a list of an unknown standard")
            << QStringList{"rolled", "--list", "gost8508"}
            << "velkor-cli: unknown standard 'gost8508'; nearest: gost8509, gost8510, gost8239\n";
    }
    void unknownOnesAreRefusedWithTheNearest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = velkorCli(arguments);
        QCOMPARE(run.err, message);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 2);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no standard")
            << QStringList{"rolled"} << "rolled needs a standard and a designation";
        QTest::newRow("no designation") << QStringList{"rolled", "gost8239", "--all"}
                                        << "rolled needs a standard and a designation";
        QTest::newRow("a dimension of its own") << QStringList{"rolled", "gost8239", "20", "h=30"}
                                                << "unknown dimension 'h' for rolled";
        QTest::newRow("a flag of another section")
            << QStringList{"rolled", "gost8509", "50x5", "--angle"}
            << "unknown flag '--angle' for rolled";
        QTest::newRow("two standards to list")
            << QStringList{"rolled", "--list", "gost8239", "gost8509"}
            << "rolled --list takes one standard at most";
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const Run run = velkorCli(arguments);
        QVERIFY2(run.err.startsWith("velkor-cli: " + reason + "\n"), qPrintable(run.err));
        QCOMPARE(run.exitCode, 64);
    }

    void listsTheStandardsAndTheirProfiles()
    {
        const Run standards = velkorCli({"rolled", "--list"});
        QCOMPARE(standards.exitCode, 0);
        QStringList keys;
        for (const QString& line : standards.out.split('\n', Qt::SkipEmptyParts))
            keys << line.section('\t', 0, 0);
        QCOMPARE(keys, (QStringList{"gost8239", "gost8240u", "gost8240p", "gost8509", "gost8510",
                                    "gost26020", "gost57837", "ipe", "hea", "heb", "hem"}));
        QVERIFY(standards.out.startsWith(
            "gost8239\tГОСТ 8239-89, Двутавры стальные горячекатаные (17)\n"));
        // every profile of the table, as the table writes it
        for (const velkor::sortament::Standard& standard : velkor::sortament::Standards()) {
            const Run list =
                velkorCli({"rolled", "--list",
                           QString::fromUtf8(standard.key.data(), qsizetype(standard.key.size()))});
            QString expected;
            for (const velkor::sortament::Profile& p : velkor::sortament::ProfilesOf(standard))
                expected +=
                    QString::fromUtf8(p.designation().data(), qsizetype(p.designation().size())) +
                    '\n';
            QCOMPARE(list.out, expected);
        }
    }

    void batchLinesTakeTheSameForm()
    {
        const Run csv =
            velkorCli({"--batch", "-"},
                      "rolled gost8239 20\nrolled ipe 200 --unit mm\n"
                      "rolled gost8239 21\nrect B=2 H=3\nrolled gost8509 50x5 --report x.pdf\n");
        QCOMPARE(csv.exitCode, 2);
        const QStringList rows = csv.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 6);
        QVERIFY2(rows[1].startsWith("1,rolled gost8239 20,cm,1000,,26.806,5,10,,1839.504,"),
                 qPrintable(rows[1]));
        QVERIFY2(rows[2].startsWith("2,rolled ipe IPE200,mm,1000,,2848.41,"), qPrintable(rows[2]));
        QVERIFY2(rows[3].startsWith("3,rolled gost8239 21,cm,1000,\"no profile '21' in gost8239 "
                                    "(ГОСТ 8239-89); nearest: 20, 22, 24, 27, 18\","),
                 qPrintable(rows[3]));
        QVERIFY(rows[4].startsWith("4,rect,cm,1000,,6,"));
        QVERIFY2(rows[5].contains("--report is for one section, not for a batch line"),
                 qPrintable(rows[5]));
        QVERIFY(csv.err.contains("line 3: no profile '21'"));

        const Run json =
            velkorCli({"--batch", "-", "--json", "--all"}, "rolled gost8510 63x40x5\n");
        QCOMPARE(json.exitCode, 0);
        const QJsonObject line = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(line.value("line").toInt(), 1);
        QCOMPARE(line.value("designation").toString(), QString("63x40x5"));
        QVERIFY(line.value("results").toObject().contains("Wv"));
    }

    void reportWritesTheProfilesCard()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("channel.pdf");
        const Run run = velkorCli({"rolled", "gost8240u", "20У", "--report", path});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", path, "-"});
        QVERIFY(pdftotext.waitForFinished(20000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const char* expected : {"Швеллер 20У ГОСТ 8240-97", "Стандарт: ГОСТ 8240-97",
                                     "Профиль: 20У", "R: 0.95 см", "Ix 1522.006 см4"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)),
                     qPrintable(QString::fromUtf8(expected) + " not in\n" + text));
    }
};

QTEST_APPLESS_MAIN(CliRolledTest)
#include "tst_cli_rolled.moc"
