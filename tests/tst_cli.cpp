// velkor-cli run as a process, as scripts run it, and compared with the calculators.
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"
#include "form_test_support.h"
#include "recording_services.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <unistd.h>

#include <functional>
#include <memory>

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

// Where velkor-cli's standard output goes, and whether its standard input is there at all.
enum class Streams { Piped, OutputToFullDisk, OutputClosed, InputClosed };

Run velkorCli(const QStringList& arguments, const QByteArray& input = {},
              Streams streams = Streams::Piped,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (streams == Streams::OutputToFullDisk)
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    if (streams == Streams::OutputClosed || streams == Streams::InputClosed)
        process.setChildProcessModifier([streams] {
            ::close(streams == Streams::OutputClosed ? STDOUT_FILENO : STDIN_FILENO);
        });
    process.start(QStringLiteral(VELKOR_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(10000))
        qFatal("velkor-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A batch file of `lines` copies of `line`.
std::unique_ptr<QTemporaryFile> batchFile(const QByteArray& line, int lines = 1)
{
    auto file = std::make_unique<QTemporaryFile>();
    if (!file->open())
        qFatal("no temporary file");
    for (int k = 0; k < lines; ++k)
        file->write(line);
    file->close();
    return file;
}

// velkor-cli reading a batch from a pipe that stays open: what it has answered so far.
class BatchPipe {
public:
    explicit BatchPipe(const QStringList& options = {})
    {
        // AddressSanitizer, where it watches, holds freed memory back to catch its reuse,
        // which would look like growth
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS",
                           environment.value("ASAN_OPTIONS") + ":quarantine_size_mb=0");
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELKOR_CLI), QStringList{"--batch", "-"} + options);
        if (!process.waitForStarted(10000))
            qFatal("velkor-cli did not start");
    }
    ~BatchPipe()
    {
        process.closeWriteChannel();
        process.waitForFinished(10000);
    }
    void send(const QByteArray& lines)
    {
        process.write(lines);
        while (process.bytesToWrite() > 0 && process.waitForBytesWritten(10000))
            drain();
    }
    // Reads until `count` more lines have come, or 10 s have passed.
    QStringList answers(int count)
    {
        QElapsedTimer clock;
        clock.start();
        while (answered.size() < count && clock.elapsed() < 10000)
            if (process.waitForReadyRead(200))
                drain();
        return answered.mid(0, count);
    }
    void drain()
    {
        pending += process.readAllStandardOutput();
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            answered << QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
        }
    }
    void forget() { answered.clear(); }
    // The process's peak resident memory, in kB.
    qint64 peakMemory() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray text = status.readAll();
        const qsizetype at = text.indexOf("VmHWM:");
        return text.mid(at + 6, text.indexOf('\n', at) - at - 6)
            .trimmed()
            .split(' ')[0]
            .toLongLong();
    }

private:
    QProcess process;
    QByteArray pending;
    QStringList answered;
};

// A calculator filled in by hand: check boxes and options set first (they may copy texts),
// then the boxes typed; and the result label of each symbol.
struct FormCase {
    std::function<SectionForm*(PlatformServices&)> make;
    QList<QPair<QString, bool>> checks;
    QMap<QString, QString> boxes;
    QMap<QString, QString> labels; // symbol → result label
};

template <typename Form> SectionForm* make(PlatformServices& services)
{
    return new Form(services);
}

const QMap<QString, QString> AboutBothAxes = {
    {"Ix", "Label1"},  {"Iy", "Label16"},    {"Wx", "Label24"}, {"Wy", "Label25"},
    {"ix", "Label26"}, {"iy", "Label27"},    {"A", "Label28"},  {"Sx", "Label44"},
    {"Sy", "Label45"}, {"weight", "Label31"}};

const QMap<QString, QString> Flanged = {
    {"A", "Label28"},   {"Xc", "Label64"},      {"Yc", "Label66"},      {"Ix", "Label1"},
    {"Iy", "Label16"},  {"W1x", "Label24"},     {"W2x", "Label57"},     {"W1y", "Label25"},
    {"W2y", "Label60"}, {"ix", "Label26"},      {"iy", "Label27"},      {"Sx", "Label44"},
    {"Sy", "Label45"},  {"weight", "Label31"},  {"Ixy", "LabelIxy"},    {"Iu", "LabelIu"},
    {"Iv", "LabelIv"},  {"iu", "LabelRadiusU"}, {"iv", "LabelRadiusV"}, {"alpha", "LabelAlpha"}};

QMap<QString, QString> without(QMap<QString, QString> labels, const QStringList& symbols)
{
    for (const QString& symbol : symbols)
        labels.remove(symbol);
    return labels;
}

} // namespace

Q_DECLARE_METATYPE(FormCase)

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void sectionDefaults_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("round tube") << QStringList{"round"}
                                    << "I = 505.556 cm4\nW = 71.205 cm3\ni = 4.846 cm\n"
                                       "A = 21.519 cm2\nweight = 16.893 kg/m\n";
        QTest::newRow("solid bar") << QStringList{"round", "--solid"}
                                   << "I = 1995.828 cm4\nW = 281.102 cm3\ni = 3.55 cm\n"
                                      "A = 158.367 cm2\nweight = 124.318 kg/m\n";
        QTest::newRow("millimetres, comma input")
            << QStringList{"round", "D=142", "t=5,0", "--unit", "mm"}
            << "I = 5055564.781 mm4\nW = 71205.137 mm3\ni = 48.469 mm\n"
               "A = 2151.99 mm2\nweight = 16.893 kg/m\n";
        QTest::newRow("precision and specific weight")
            << QStringList{"round", "--precision", "10", "--gamma", "2700,5"}
            << "I = 505.5 cm4\nW = 71.2 cm3\ni = 4.8 cm\nA = 21.5 cm2\nweight = 5.8 kg/m\n";
        QTest::newRow("options with their values after =")
            << QStringList{"round", "D=142",          "--unit=mm",
                           "t=5,0", "--precision=10", "--gamma=2700,5"}
            << "I = 5055564.7 mm4\nW = 71205.1 mm3\ni = 48.4 mm\n"
               "A = 2151.9 mm2\nweight = 5.8 kg/m\n";
    }
    void sectionDefaults()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run run = velkorCli(arguments);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, expected);
        QCOMPARE(run.exitCode, 0);
    }

    void principalAxes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("tail"); // the principal axes and the weight, last
        QTest::newRow("unequal angle")
            << QStringList{"channel", "--angle", "B2=9"}
            << "Ixy = -135.725 cm4\nIu = 672.145 cm4\nIv = 57.756 cm4\niu = 6.736 cm\n"
               "iv = 1.974 cm\nalpha = 13.11 °\nweight = 11.625 kg/m\n";
        // the calculator's angle switch leaves B2 as typed; the legs are made equal by "B2=  H"
        QTest::newRow("equal angle")
            << QStringList{"channel", "--angle", "--equal-legs"}
            << "Ixy = -499.809 cm4\nIu = 1333.517 cm4\nIv = 333.899 cm4\niu = 8.059 cm\n"
               "iv = 4.032 cm\nalpha = 45 °\nweight = 16.115 kg/m\n";
        QTest::newRow("Z") << QStringList{"zsection"}
                           << "Ixy = 655.97 cm4\nIu = 2007.608 cm4\nIv = 133.004 cm4\n"
                              "iu = 8.844 cm\niv = 2.276 cm\nalpha = -22.207 °\n"
                              "weight = 20.146 kg/m\n";
        QTest::newRow("Z in millimetres: the angle keeps its degrees")
            << QStringList{"zsection", "--unit", "mm", "H=200", "s=5.2", "B2=90", "t2=9"}
            << "Ixy = 6559704 mm4\nIu = 20076082.269 mm4\nIv = 1330040.952 mm4\n"
               "iu = 88.445 mm\niv = 22.765 mm\nalpha = -22.207 °\nweight = 20.146 kg/m\n";
        QTest::newRow("mirrored angle in metres")
            << QStringList{"zsection", "--angle", "--unit", "m", "H=0.2", "s=0.0052", "B2=0.09"}
            << "Ixy = 0 m4\nIu = 0 m4\nIv = 0 m4\niu = 0.067 m\niv = 0.019 m\n"
               "alpha = -13.11 °\nweight = 11.625 kg/m\n";
        QTest::newRow("symmetric channel: u is X")
            << QStringList{"channel"}
            << "Ixy = 0 cm4\nIu = 1878.72 cm4\nIv = 232.415 cm4\niu = 8.286 cm\n"
               "iv = 2.914 cm\nalpha = 0 °\nweight = 21.477 kg/m\n";
    }
    void principalAxes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, tail);
        const Run run = velkorCli(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.section("Sy = ", 1).section('\n', 1), tail);
        // the same figures as JSON numbers, under the same keys
        const QJsonObject results =
            QJsonDocument::fromJson(velkorCli(arguments + QStringList{"--json"}).out.toUtf8())
                .object()["results"]
                .toObject();
        for (const QString& line : tail.split('\n', Qt::SkipEmptyParts))
            QCOMPARE(results[line.section(" = ", 0, 0)].toDouble(),
                     line.section(" = ", 1).section(' ', 0, 0).toDouble());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("wall too thick")
            << QStringList{"round", "D=10", "t=6"} << "D должно быть больше или равно 2t";
        QTest::newRow("no diameter")
            << QStringList{"round", "D=0", "t=0"} << "D должно быть больше нуля";
        QTest::newRow("no wall") << QStringList{"round", "t=0"} << "t должно быть больше нуля";
        QTest::newRow("precision zero")
            << QStringList{"round", "--precision", "0"} << "Неверно задана точность результатов";
        QTest::newRow("absurd size")
            << QStringList{"round", "D=1e200"} << "Введены ошибочные данные";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = velkorCli(arguments);
        QCOMPARE(run.err, "velkor-cli: " + message + '\n');
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 2);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("offending");
        QTest::newRow("nothing") << QStringList{} << "no section";
        QTest::newRow("unknown section") << QStringList{"pipe"} << "'pipe'";
        QTest::newRow("unknown dimension") << QStringList{"round", "d=5"} << "'d'";
        QTest::newRow("unknown flag") << QStringList{"round", "--tee"} << "'--tee'";
        QTest::newRow("trailing letters") << QStringList{"round", "D=12abc"} << "'D=12abc'";
        QTest::newRow("empty value") << QStringList{"round", "D="} << "'D='";
        QTest::newRow("no equals sign") << QStringList{"round", "D"} << "'D'";
        QTest::newRow("unknown unit") << QStringList{"round", "--unit", "in"} << "'in'";
        QTest::newRow("unknown unit after =") << QStringList{"round", "--unit=in"} << "'in'";
        QTest::newRow("no unit after =") << QStringList{"round", "--unit="} << "''";
        QTest::newRow("an option run together") << QStringList{"round", "--unitmm"} << "'--unitmm'";
        QTest::newRow("precision not a number")
            << QStringList{"round", "--precision", "x"} << "'x'";
        QTest::newRow("batch without file") << QStringList{"--batch"} << "--batch";
        QTest::newRow("report without file")
            << QStringList{"round", "--report"} << "--report needs a file name";
        QTest::newRow("hexagon sized twice")
            << QStringList{"hexagon", "R=1", "H=2"} << "only one of R and H";
        QTest::newRow("another section's flag") << QStringList{"tube", "--solid"} << "'--solid'";
        // what the chosen shape or a tie leaves without use is refused, not dropped
        QTest::newRow("upper flange of an angle")
            << QStringList{"channel", "--angle", "B1=5"} << "'B1' is not used with --angle";
        QTest::newRow("flange 2 of a T-section")
            << QStringList{"ibeam", "--tee", "B2=30"} << "'B2' is not used with --tee";
        QTest::newRow("wall of a solid bar")
            << QStringList{"round", "--solid", "t=2"} << "'t' is not used with --solid";
        QTest::newRow("equal legs of a channel")
            << QStringList{"channel", "--equal-legs"} << "'--equal-legs' needs --angle";
        QTest::newRow("equal legs with B2 given")
            << QStringList{"zsection", "--angle", "--equal-legs", "B2=5"} << "'B2' follows H";
        QTest::newRow("height of a square opening")
            << QStringList{"tube", "--square", "H=5"} << "'H' follows B";
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, offending);
        const Run run = velkorCli(arguments);
        QCOMPARE(run.exitCode, 64);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.section('\n', 0, 0).contains(offending), qPrintable(run.err));
        QVERIFY(run.err.contains("usage: velkor-cli"));
    }

    // Output that cannot be written, input that cannot be read, values that are no size:
    // never a silent success, always one message that starts with the program's name.
    // FILE stands for a batch file of three good lines.
    void faults_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("streams");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const auto full = int(Streams::OutputToFullDisk);
        const auto piped = int(Streams::Piped);
        QTest::newRow("one section to a full disk")
            << QStringList{"rect"} << QByteArray() << full << 74
            << "cannot write the results: No space left on device";
        QTest::newRow("JSON to a full disk")
            << QStringList{"rect", "--json"} << QByteArray() << full << 74 << "No space left";
        QTest::newRow("help to a full disk")
            << QStringList{"--help"} << QByteArray() << full << 74 << "No space left";
        QTest::newRow("batch file to a full disk")
            << QStringList{"--batch", "FILE"} << QByteArray() << full << 74 << "No space left";
        QTest::newRow("piped batch to a full disk: the first line's answer fails")
            << QStringList{"--batch", "-"} << QByteArray("round\nrect\n") << full << 74
            << "line 1: cannot write the results: No space left on device";
        QTest::newRow("one section, standard output closed")
            << QStringList{"rect"} << QByteArray() << int(Streams::OutputClosed) << 74
            << "Bad file descriptor";
        QTest::newRow("batch file, standard output closed")
            << QStringList{"--batch", "FILE", "--json"} << QByteArray()
            << int(Streams::OutputClosed) << 74 << "cannot write the results";
        QTest::newRow("batch of a folder") << QStringList{"--batch", "."} << QByteArray() << piped
                                           << 66 << "cannot read '.': Is a directory";
        QTest::newRow("missing batch file")
            << QStringList{"--batch", "/nonexistent/batch.txt"} << QByteArray() << piped << 66
            << "cannot read '/nonexistent/batch.txt': No such file or directory";
        QTest::newRow("batch from a closed standard input")
            << QStringList{"--batch", "-"} << QByteArray() << int(Streams::InputClosed) << 66
            << "cannot read standard input: Bad file descriptor";
        QTest::newRow("nan") << QStringList{"round", "D=nan"} << QByteArray() << piped << 64
                             << "'D=nan' is not NAME=NUMBER";
        QTest::newRow("inf in a dimension the shape ignores")
            << QStringList{"round", "t=inf", "--solid"} << QByteArray() << piped << 64
            << "'t=inf' is not NAME=NUMBER";
        QTest::newRow("beyond the largest number")
            << QStringList{"round", "D=1e400"} << QByteArray() << piped << 64
            << "'D=1e400': D must be zero or lie between 2.2E-308 and 1.8E+308";
        QTest::newRow("below the smallest number")
            << QStringList{"rect", "H=-1e-400"} << QByteArray() << piped << 64 << "'H=-1e-400': H";
        QTest::newRow("an exponent beyond any reading")
            << QStringList{"rect", "B=1e99999999999999999999"} << QByteArray() << piped << 64
            << ": B must";
        QTest::newRow("precision beyond the largest number")
            << QStringList{"rect", "--precision", "1e400"} << QByteArray() << piped << 64
            << "'1e400': --precision must";
        QTest::newRow("a dimension given twice")
            << QStringList{"rect", "B=5", "B=6"} << QByteArray() << piped << 64
            << "'B' is given twice for rect";
        QTest::newRow("a unit given twice")
            << QStringList{"rect", "--unit", "mm", "--unit=cm"} << QByteArray() << piped << 64
            << "'--unit' is given twice";
        QTest::newRow("refused batch lines are named")
            << QStringList{"--batch", "-"} << QByteArray("round\n\nround D=10 t=6\n") << piped << 2
            << "line 3: D должно быть больше или равно 2t";
        QTest::newRow("a batch line's usage error is named")
            << QStringList{"--batch", "-", "--json"} << QByteArray("# x\nrect B=1 B=2\n") << piped
            << 2 << "line 2: 'B' is given twice";
    }
    void faults()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, streams);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const auto file = batchFile("round\n", 3);
        arguments.replaceInStrings(QRegularExpression("^FILE$"), file->fileName());
        const Run run = velkorCli(arguments, input, Streams(streams));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith("velkor-cli: "), qPrintable(run.err));
        QVERIFY2(run.err.section('\n', 0, 0).contains(message), qPrintable(run.err));
    }

    // Bytes that are not UTF-8 come back as U+FFFD, so that the JSON parses and the CSV
    // reads as text; a byte order mark in front of the first line is not part of it.
    void batchOutputIsAlwaysUtf8_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("lastError"); // of the last line; the others have none
        QTest::newRow("invalid bytes in a section's name")
            << QByteArray("ro\xffund\n") << 1 << QString("unknown section 'ro\uFFFDund'");
        QTest::newRow("a truncated sequence in a value")
            << QByteArray("rect B=\xd0\n") << 1 << QString("'B=\uFFFD' is not NAME=NUMBER");
        QTest::newRow("overlong and surrogate forms") << QByteArray("\xc0\xaf \xed\xa0\x80\n") << 1
                                                      << QString("unknown section '\uFFFD\uFFFD'");
        QTest::newRow("byte order mark")
            << QByteArray("\xef\xbb\xbfround\nrect\n") << 2 << QString();
        QTest::newRow("a second line's mark is no blank")
            << QByteArray("round\n\xef\xbb\xbfround\n") << 2
            << QString("unknown section '\uFEFFround'");
    }
    void batchOutputIsAlwaysUtf8()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, lines);
        QFETCH(QString, lastError);
        const auto decoded = [&](const QStringList& options) {
            QProcess process;
            process.start(QStringLiteral(VELKOR_CLI), QStringList{"--batch", "-"} + options);
            process.write(input);
            process.closeWriteChannel();
            if (!process.waitForFinished(10000))
                qFatal("velkor-cli did not finish");
            auto decoder = QStringDecoder(QStringDecoder::Utf8);
            const QString text = decoder.decode(process.readAllStandardOutput());
            return decoder.hasError() ? QStringLiteral("not UTF-8") : text;
        };
        const QStringList csv = decoded({}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(csv.size(), lines + 1);
        QCOMPARE(csv.last().section(',', 4, 4), lastError);
        const QStringList json = decoded({"--json"}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(json.size(), lines);
        for (const QString& row : json) {
            QJsonParseError parse;
            const QJsonObject object = QJsonDocument::fromJson(row.toUtf8(), &parse).object();
            QCOMPARE(parse.error, QJsonParseError::NoError);
            QCOMPARE(object["error"].toString(), row == json.last() ? lastError : QString());
        }
    }

    // A batch read from a pipe answers each line before the next one comes, so that
    // velkor-cli can serve as a filter; the header first.
    void batchAnswersEachLineAsItArrives_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("CSV") << QStringList() << "1,round,cm,1000,,21.519,"
                             << "3,rect,";
        QTest::newRow("JSON") << QStringList{"--json"} << "{\"line\": 1, \"section\": \"round\""
                              << "{\"line\": 3, \"section\": \"rect\"";
    }
    void batchAnswersEachLineAsItArrives()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, first);
        QFETCH(QString, second);
        BatchPipe pipe(options);
        const int header = options.isEmpty() ? 1 : 0;
        pipe.send("round\n");
        const QStringList answers = pipe.answers(header + 1);
        QCOMPARE(answers.size(), header + 1);
        QVERIFY2(answers.last().startsWith(first), qPrintable(answers.last()));
        pipe.send("# nothing to answer\nrect\n");
        const QStringList more = pipe.answers(header + 2);
        QCOMPARE(more.size(), header + 2);
        QVERIFY2(more.last().startsWith(second), qPrintable(more.last()));
    }

    // Memory stays flat however long the batch: ten times the lines cost no more.
    void batchMemoryDoesNotGrowWithTheLines()
    {
        BatchPipe pipe;
        const QByteArray lines = QByteArray("rect B=3 H=4 --precision 1e30\n").repeated(5000);
        pipe.send(lines);
        QCOMPARE(pipe.answers(5001).size(), 5001);
        const qint64 early = pipe.peakMemory();
        for (int k = 0; k < 9; ++k) {
            pipe.forget();
            pipe.send(lines);
            QCOMPARE(pipe.answers(5000).size(), 5000);
        }
        const qint64 late = pipe.peakMemory();
        QVERIFY2(early > 0 && late - early < 4096,
                 qPrintable(
                     QString("%1 kB after 5 000 lines, %2 kB after 50 000").arg(early).arg(late)));
    }

    // A line longer than the reader keeps is refused, and the lines after it still count.
    void anOverlongLineIsRefused()
    {
        const QByteArray input = "round D=" + QByteArray(70000, '1') + "\nrect\n";
        const Run run = velkorCli({"--batch", "-"}, input);
        QCOMPARE(run.exitCode, 2);
        const QStringList rows = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[1].startsWith("1,round,,,line longer than 65536 bytes,"),
                 qPrintable(rows[1]));
        QVERIFY(rows[2].startsWith("2,rect,cm,1000,,"));
    }

    // the calculator's angle: t1 is 0 and t2 follows s, so H only has to exceed s
    void angleAsTheCalculatorBuildsIt()
    {
        const Run run = velkorCli({"channel", "--angle", "H=1", "s=0.6", "B2=9"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("A = 5.64 cm2\n"));
    }

    // --all adds what a design check needs, under its documented keys, after the weight
    void allAddsTheDesignFigures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("tail");
        QTest::newRow("channel")
            << QStringList{"channel", "--all"}
            << "weight = 21.477 kg/m\nWplx = 213.12 cm3\nWply = 69.235 cm3\nxpl = 2.16 cm\n"
               "ypl = 10 cm\nIp = 2111.135 cm4\nU = 74.96 cm\nsurface = 0.749 m2/m\n"
               "It = 6.843 cm4\nxs = -3.417 cm\nys = 10 cm\nIw = 14818.415 cm6\n";
        QTest::newRow("round tube in mm")
            << QStringList{"round", "--all", "--unit", "mm", "D=100", "t=10"}
            << "weight = 22.195 kg/m\nWplx = 81333.333 mm3\nWply = 81333.333 mm3\nxpl = 50 mm\n"
               "ypl = 50 mm\nW1x = 57962.384 mm3\nW2x = 57962.384 mm3\nW1y = 57962.384 mm3\n"
               "W2y = 57962.384 mm3\nIp = 5796238.446 mm4\nU = 314.159 mm\nUi = 251.327 mm\n"
               "surface = 0.314 m2/m\nIt = 5796238.446 mm4\nxs = 50 mm\nys = 50 mm\n";
    }
    void allAddsTheDesignFigures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, tail);
        const Run run = velkorCli(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.mid(run.out.indexOf("weight = ")), tail);
        const QJsonObject results =
            QJsonDocument::fromJson(velkorCli(arguments + QStringList{"--json"}).out.toUtf8())
                .object()["results"]
                .toObject();
        for (const QString& line : tail.split('\n', Qt::SkipEmptyParts))
            QCOMPARE(results[line.section(" = ", 0, 0)].toDouble(),
                     line.section(" = ", 1).section(' ', 0, 0).toDouble());
    }

    void batchWithAllHasTheDesignColumns()
    {
        const Run run = velkorCli({"--batch", "-", "--all"}, "ibeam --tee\n");
        QCOMPARE(run.exitCode, 0);
        const QStringList rows = run.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(rows[0].endsWith(",alpha,Wplx,Wply,xpl,ypl,Wu,Wv,Ip,U,Ui,surface,It,xs,ys,Iw"));
        QCOMPARE(rows[1].count(','), rows[0].count(','));
        QVERIFY2(
            rows[1].endsWith(",107.542,52.281,7.5,0.818,,,1131.408,68.6,,0.686,4.969,7.5,0.45,0"),
            qPrintable(rows[1]));
        // without it, the columns of before
        QVERIFY(velkorCli({"--batch", "-"}, "ibeam\n").out.section('\n', 0, 0).endsWith(",alpha"));
    }

    void helpListsSectionsAndDefaults()
    {
        const Run run = velkorCli({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("round D=14.2 t=0.5 [--solid]"));
    }

    void jsonIsOneObjectWithTheShownValues()
    {
        const Run run = velkorCli({"round", "--json", "--unit", "m", "D=0.142", "t=0.005"});
        QCOMPARE(run.exitCode, 0);
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(object["section"].toString(), QString("round"));
        QCOMPARE(object["unit"].toString(), QString("m"));
        QCOMPARE(object["precision"].toDouble(), 1000.0);
        const QJsonObject results = object["results"].toObject();
        QCOMPARE(results.keys(), (QStringList{"A", "I", "W", "i", "weight"}));
        QCOMPARE(results["A"].toDouble(), 0.002);
        QCOMPARE(results["weight"].toDouble(), 16.893);
    }

    void batchGoesOnPastAFailingLine()
    {
        const QByteArray input = "# a table of tubes\n"
                                 "round D=14,2 t=0.5\n"
                                 "\n"
                                 "round D=10 t=6\n"
                                 "round --solid --unit mm D=20 --precision 10\n"
                                 "round D=1x\n";
        const Run run = velkorCli({"--batch", "-"}, input);
        QCOMPARE(run.exitCode, 2);
        const QStringList rows = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 5);
        // columns added later stand at the end, so the earlier ones keep their places
        QCOMPARE(rows[0], QString("line,section,unit,precision,error,A,Xc,Yc,I,Ix,Iy,W,Wx,Wy,W1x,"
                                  "W2x,W1y,W2y,i,ix,iy,S,Sx,Sy,weight,Ixy,Iu,Iv,iu,iv,alpha"));
        QCOMPARE(
            rows[1],
            QString("2,round,cm,1000,,21.519,,,505.556,,,71.205,,,,,,,4.846,,,,,,16.893,,,,,,"));
        QCOMPARE(
            rows[2],
            QString("4,round,cm,1000,D должно быть больше или равно 2t,,,,,,,,,,,,,,,,,,,,,,,,,,"));
        QCOMPARE(rows[3], QString("5,round,mm,10,,314.1,,,7853.9,,,785.3,,,,,,,5,,,,,,2.4,,,,,,"));
        QVERIFY(rows[4].startsWith("6,round,,,'D=1x' is not NAME=NUMBER,"));
    }

    // the section card as a PDF, written without a display, with the figures printed too
    void reportWritesTheCardAsPdf()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("angle.pdf");
        QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            headless.remove(name);
        const Run run =
            velkorCli({"channel", "--angle", "--report", path}, {}, Streams::Piped, headless);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("Ix = 640.535 cm4\n"));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", path, "-"});
        QVERIFY(pdftotext.waitForFinished(20000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const char* expected :
             {"Уголковое сечение", "Паспорт сечения", "H: 20 см", "t2: 0.52 см (t2 = s)",
              "Ix 640.535 см4", "It 1.334 см4", "alpha 13.11 °", "weight 11.625 кг/м"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)),
                     qPrintable(QString::fromUtf8(expected) + " not in\n" + text));
    }

    void reportFailures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such folder")
            << QStringList{"rect", "--report", "/nonexistent/folder/r.pdf"} << 74
            << "velkor-cli: cannot write the report to '/nonexistent/folder/r.pdf'\n";
        QTest::newRow("refused section: no report")
            << QStringList{"round", "D=1", "t=2", "--report", "/nonexistent/r.pdf"} << 2
            << "velkor-cli: D должно быть больше или равно 2t\n";
    }
    void reportFailures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = velkorCli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err, message);
    }

    void reportIsNotForABatchLine()
    {
        const Run run = velkorCli({"--batch", "-"}, "rect --report r.pdf\n");
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.out.contains("1,rect,,,\"--report is for one section, not for a batch line\""),
                 qPrintable(run.out));
        QVERIFY(!QFileInfo::exists("r.pdf"));
    }

    void batchWritesJsonLines()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("round\nround t=0\n");
        file.close();
        const Run run = velkorCli({"--batch", file.fileName(), "--json"});
        QCOMPARE(run.exitCode, 2);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QJsonObject first = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(first["line"].toInt(), 1);
        QCOMPARE(first["results"].toObject()["I"].toDouble(), 505.556);
        const QJsonObject second = QJsonDocument::fromJson(lines[1].toUtf8()).object();
        QCOMPARE(second["error"].toString(), QString("t должно быть больше нуля"));
    }

    void formAndCommandLineShowTheSameCaptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<FormCase>("form");
        const QMap<QString, QString> round = {{"I", "Label1(1)"},
                                              {"W", "Label24"},
                                              {"i", "Label26"},
                                              {"A", "Label28"},
                                              {"weight", "Label9"}};
        QTest::newRow("round tube")
            << QStringList{"round", "D=21.3", "t=2.6", "--unit", "mm", "--precision", "100000"}
            << FormCase{
                   make<Form2>, {{"Option1", true}}, {{"Text1", "21.3"}, {"Text2", "2.6"}}, round};
        QTest::newRow("round bar in metres")
            << QStringList{"round", "--solid",     "D=0.0573",   "--unit",
                           "m",     "--precision", "10000000000"}
            << FormCase{make<Form2>,
                        {{"Check1", true}, {"Option3", true}},
                        {{"Text1", "0.0573"}},
                        round};
        QTest::newRow("box tube")
            << QStringList{"tube",   "B=80", "b=4",         "H=120", "h=6",
                           "--unit", "mm",   "--precision", "100000"}
            << FormCase{make<Form1>,
                        {{"Check1", false}, {"Option1", true}},
                        {{"Text1", "80"}, {"Text2", "4"}, {"Text3", "120"}, {"Text4", "6"}},
                        AboutBothAxes};
        QTest::newRow("square opening")
            << QStringList{"tube", "B=7", "b=0.35", "--square", "--precision", "7"}
            << FormCase{make<Form1>,
                        {{"Check2", true}},
                        {{"Text1", "7"}, {"Text2", "0.35"}},
                        AboutBothAxes};
        QTest::newRow("rectangle")
            << QStringList{"rect", "B=7", "H=3.3", "--precision", "100000000"}
            << FormCase{make<Form3>,
                        {{"Check1", false}},
                        {{"Text1", "7"}, {"Text3", "3.3"}},
                        AboutBothAxes};
        QTest::newRow("rhombus") << QStringList{"rhombus", "B=3.3", "--precision", "100000"}
                                 << FormCase{make<Form4>,
                                             {},
                                             {{"Text1", "3.3"}},
                                             {{"I", "Label1"},
                                              {"W", "Label24"},
                                              {"i", "Label26"},
                                              {"A", "Label28"},
                                              {"S", "Label44"},
                                              {"weight", "Label31"}}};
        QTest::newRow("hexagon by its height")
            << QStringList{"hexagon", "H=2.5", "--precision", "100000"}
            << FormCase{make<Form5>,
                        {{"Check1", true}},
                        {{"Text3", "2.5"}},
                        without(AboutBothAxes, {"Sx", "Sy"})};
        QTest::newRow("cross")
            << QStringList{"cross", "B=12", "b=1.5", "H=16", "h=2", "--precision", "100000"}
            << FormCase{make<Form6>,
                        {{"Check1", false}, {"Check2", false}},
                        {{"Text1", "12"}, {"Text2", "1.5"}, {"Text3", "16"}, {"Text4", "2"}},
                        AboutBothAxes};
        QMap<QString, QString> ibeam = AboutBothAxes;
        ibeam.insert("Yc", "Label51");
        QTest::newRow("T-section")
            << QStringList{"ibeam",  "H=30",  "B1=20",       "tf1=1.2",
                           "tw=0.8", "--tee", "--precision", "100000"}
            << FormCase{make<Form7>,
                        {{"Check1", true}},
                        {{"Text7", "30"}, {"Text9", "20"}, {"Text8", "1.2"}, {"Text3", "0.8"}},
                        ibeam};
        QTest::newRow("I-section with unequal flanges")
            << QStringList{"ibeam", "B2=11", "tf2=0.7", "--unit", "m", "--precision", "1000000000"}
            << FormCase{make<Form7>,
                        {{"Check2", false}, {"Check3", false}, {"Option3", true}},
                        {{"Text7", "19.3"},
                         {"Text9", "15"},
                         {"Text8", "0.9"},
                         {"Text3", "0.6"},
                         {"Text1", "11"},
                         {"Text2", "0.7"}},
                        ibeam};
        QTest::newRow("channel")
            << QStringList{"channel", "H=25", "s=0.6", "B2=10", "t2=1.2", "--precision", "100000"}
            << FormCase{make<Form8>,
                        {},
                        {{"Text3", "25"}, {"Text4", "0.6"}, {"Text7", "10"}, {"Text6", "1.2"}},
                        Flanged};
        QTest::newRow("unequal angle")
            << QStringList{"channel", "--angle", "B2=9", "t2=0.8", "--precision", "100000"}
            << FormCase{make<Form8>,
                        {{"Check1", true}, {"Check4", false}, {"Check5", false}},
                        {{"Text7", "9"}, {"Text6", "0.8"}},
                        Flanged};
        QTest::newRow("Z-section with unequal flanges")
            << QStringList{"zsection", "H=30",   "s=0.7",       "B1=10", "t1=1.1",
                           "B2=12",    "t2=1.3", "--precision", "100000"}
            << FormCase{make<Form9>,
                        {{"Check3", false}, {"Check2", false}},
                        {{"Text3", "30"},
                         {"Text4", "0.7"},
                         {"Text1", "10"},
                         {"Text2", "1.1"},
                         {"Text7", "12"},
                         {"Text6", "1.3"}},
                        Flanged};
        // a section's defaults are its calculator's design values
        const QList<std::tuple<const char*, std::function<SectionForm*(PlatformServices&)>,
                               QMap<QString, QString>>>
            defaults = {{"tube", make<Form1>, AboutBothAxes},
                        {"rect", make<Form3>, AboutBothAxes},
                        {"rhombus",
                         make<Form4>,
                         {{"I", "Label1"},
                          {"W", "Label24"},
                          {"i", "Label26"},
                          {"A", "Label28"},
                          {"S", "Label44"},
                          {"weight", "Label31"}}},
                        {"hexagon", make<Form5>, without(AboutBothAxes, {"Sx", "Sy"})},
                        {"cross", make<Form6>, AboutBothAxes},
                        {"ibeam", make<Form7>, ibeam},
                        {"channel", make<Form8>, Flanged},
                        {"zsection", make<Form9>, Flanged}};
        for (const auto& [section, form, labels] : defaults)
            QTest::addRow("%s defaults", section)
                << QStringList{section, "--precision", "1000"} << FormCase{form, {}, {}, labels};
        QTest::newRow("equal-leg angle on the Z form")
            << QStringList{"zsection", "--angle",     "--equal-legs", "H=12",
                           "s=0.8",    "--precision", "100000"}
            << FormCase{make<Form9>,
                        {{"Check1", true}, {"Check4", true}, {"Check5", true}},
                        {{"Text3", "12"}, {"Text4", "0.8"}},
                        Flanged};
    }
    void formAndCommandLineShowTheSameCaptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(FormCase, form);
        RecordingServices services;
        std::unique_ptr<SectionForm> calculator(form.make(services));
        for (const auto& [name, on] : form.checks)
            calculator->findChild<QAbstractButton*>(name)->setChecked(on);
        for (auto box = form.boxes.begin(); box != form.boxes.end(); ++box)
            calculator->findChild<QLineEdit*>(box.key())->setText(box.value());
        const int at = arguments.indexOf("--precision");
        calculator->findChild<QComboBox*>("Combo1")->setEditText(arguments.value(at + 1));
        calculator->findChild<QPushButton*>("Command1")->click();
        QCOMPARE(services.messages, QStringList());

        const QJsonObject results =
            QJsonDocument::fromJson(velkorCli(arguments + QStringList{"--json"}).out.toUtf8())
                .object()["results"]
                .toObject();
        QCOMPARE(results.keys().size(), form.labels.size());
        for (auto label = form.labels.begin(); label != form.labels.end(); ++label) {
            const QString shown = calculator->findChild<QLabel*>(label.value())->text();
            const QString printed =
                velkorCli(arguments).out.section(label.key() + " = ", 1).section(' ', 0, 0);
            QCOMPARE(local(printed), shown);
            QVERIFY(results.contains(label.key()));
        }
    }
};

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
