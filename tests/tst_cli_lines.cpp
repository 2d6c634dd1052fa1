// velkor-cli's batch lines below the process: how bytes become lines, how any bytes become
// valid UTF-8, and line numbers far beyond what a 32-bit counter holds.
#include "batch.h"
#include "line_reader.h"
#include "utf8.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace velkor::cli;

namespace {

// The lines a LineReader hands out for `input` written into a pipe, each marked "+" when
// it was cut at the limit.
QStringList readLines(const QByteArray& input)
{
    int ends[2];
    if (::pipe(ends) != 0)
        qFatal("no pipe");
    std::thread writer([&] {
        for (qsizetype done = 0; done < input.size();) {
            const ssize_t written = ::write(ends[1], input.constData() + done,
                                            std::min<qsizetype>(input.size() - done, 4093));
            if (written <= 0)
                break;
            done += written;
        }
        ::close(ends[1]);
    });
    LineReader reader(ends[0]);
    QStringList lines;
    std::string line;
    while (reader.next(line) == LineReader::Status::Line)
        lines << QString::fromStdString(line).left(20) + (reader.lastLineTooLong() ? "+" : "");
    writer.join();
    ::close(ends[0]);
    return lines;
}

} // namespace

class CliLinesTest : public QObject {
    Q_OBJECT

private slots:
    void linesAsTheyArrive_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("nothing") << QByteArray() << QStringList();
        QTest::newRow("a last line without a line break")
            << QByteArray("round\nrect") << QStringList{"round", "rect"};
        QTest::newRow("blank lines are lines")
            << QByteArray("\n\nrect\n") << QStringList{"", "", "rect"};
        QTest::newRow("a carriage return stays for the words to drop")
            << QByteArray("rect\r\n") << QStringList{"rect\r"};
        QTest::newRow("lines across many reads")
            << QByteArray("round D=5\n").repeated(20000) << QStringList(20000, "round D=5");
        QTest::newRow("an overlong line is cut, the next one whole")
            << QByteArray(LineReader::MaxLineBytes + 1, 'x') + "\nrect\n"
            << QStringList{QString(20, 'x') + "+", "rect"};
        QTest::newRow("a line exactly at the limit is whole")
            << QByteArray(LineReader::MaxLineBytes, 'y') + "\n"
            << QStringList{QString(20, 'y')};
        QTest::newRow("an overlong last line without a line break")
            << QByteArray(3 * LineReader::MaxLineBytes, 'z') << QStringList{QString(20, 'z') + "+"};
    }
    void linesAsTheyArrive()
    {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, lines);
        QCOMPARE(readLines(input), lines);
    }

    void aFolderFailsToRead()
    {
        const int fd = ::open(".", O_RDONLY);
        LineReader reader(fd);
        std::string line;
        QCOMPARE(reader.next(line), LineReader::Status::Failed);
        QCOMPARE(reader.error(), EISDIR);
        ::close(fd);
    }

    // Each maximal invalid part becomes one U+FFFD, as the Unicode standard recommends.
    void invalidBytesBecomeReplacementCharacters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("valid text stays") << QByteArray("D=14,2 Ж € 😀") << QString("D=14,2 Ж € 😀");
        QTest::newRow("a stray continuation byte") << QByteArray("a\x80z") << QString("a\uFFFDz");
        QTest::newRow("a lead byte that never leads")
            << QByteArray("\xc0\xaf\xf5\x80") << QString("\uFFFD\uFFFD\uFFFD\uFFFD");
        QTest::newRow("a truncated sequence is one part")
            << QByteArray("\xe2\x82z") << QString("\uFFFDz");
        QTest::newRow("truncated at the end") << QByteArray("z\xf0\x9f\x98") << QString("z\uFFFD");
        QTest::newRow("an overlong three-byte form")
            << QByteArray("\xe0\x80\xaf") << QString("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("a surrogate") << QByteArray("\xed\xa0\x80") << QString("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("beyond U+10FFFF")
            << QByteArray("\xf4\x90\x80\x80") << QString("\uFFFD\uFFFD\uFFFD\uFFFD");
        QTest::newRow("a zero byte is valid")
            << QByteArray("a\0b", 3) << QString::fromUtf8("a\0b", 3);
    }
    void invalidBytesBecomeReplacementCharacters()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const std::string valid = ValidUtf8(bytes.toStdString());
        QCOMPARE(QString::fromStdString(valid), text);
        QVERIFY(IsValidUtf8(valid));
        QCOMPARE(IsValidUtf8(bytes.toStdString()), valid == bytes.toStdString());
    }

    // A batch may be longer than any 32-bit counter: its line numbers keep counting.
    void lineNumbersBeyondThirtyTwoBits_data()
    {
        QTest::addColumn<quint64>("number");
        QTest::newRow("2^31") << (quint64(1) << 31);
        QTest::newRow("2^32 + 1") << (quint64(1) << 32) + 1;
        QTest::newRow("2^63 + 5") << (quint64(1) << 63) + 5;
    }
    void lineNumbersBeyondThirtyTwoBits()
    {
        QFETCH(quint64, number);
        const QString text = QString::number(number);
        const LineAnswer csv = AnswerLine("rect", number, {});
        QVERIFY2(QString::fromStdString(csv.output).startsWith(text + ",rect,cm,"),
                 csv.output.c_str());
        const LineAnswer refused = AnswerLine("rect B=x", number, {true, false});
        QVERIFY(refused.failed);
        QVERIFY2(QString::fromStdString(refused.output).startsWith("{\"line\": " + text + ", "),
                 refused.output.c_str());
    }
};

QTEST_APPLESS_MAIN(CliLinesTest)
#include "tst_cli_lines.moc"
