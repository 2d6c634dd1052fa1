// «Принтер»: the page is the form drawn as vector graphics, its texts a text layer a PDF
// reader finds, without the command buttons or the widgets' screen styling. Without a
// printer the page goes to a new PDF file in the documents folder, and the user is told.
#include "form_driver.h"
#include "print_file.h"
#include "section_sketch.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The output of a poppler tool, which the test set-up installs.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Whether `phrase` stands in `text` as whole words: "метр" is not in "сантиметр".
bool containsPhrase(const QString& text, const QString& phrase)
{
    return text.contains(
        QRegularExpression("(^|\\s)" + QRegularExpression::escape(phrase) + "(\\s|$)"));
}

// Hatch lines met along the middle row of the sketch drawn `scale` times its size.
int hatchLinesAcross(const SectionSketch& sketch, int scale)
{
    QImage image(sketch.size() * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    sketch.paint(painter);
    painter.end();
    const int y = image.height() / 2;
    int lines = 0;
    bool inLine = false;
    // inside the circle's outline, which is 3 pixels wide
    for (int x = 30 * scale; x < 150 * scale; ++x) {
        const bool dark = qBlue(image.pixel(x, y)) > 128 && qRed(image.pixel(x, y)) < 128;
        lines += dark && !inLine ? 1 : 0;
        inLine = dark;
    }
    return lines;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

    CalculatorDriver ui;
    QTemporaryDir home;

    QString documents() const { return QDir(home.path()).filePath("Documents"); }

private slots:
    void initTestCase()
    {
        // the documents folder of a user of our own
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    }
    void cleanup()
    {
        ui.close();
        QVERIFY(ui.services.messages.isEmpty());
        QDir(documents()).removeRecursively();
    }

    void thePageIsTextAndLines_data()
    {
        QTest::addColumn<MakeForm>("make");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("shown");  // texts on the page
        QTest::addColumn<QStringList>("absent"); // and what the paper must not show
        const QStringList buttons = {"Вычислить", "Принтер", "Выход"};
        QTest::newRow("round tube") << MakeForm(makeForm<Form2>) << QStringList{"Command1"}
                                    << QStringList{"Круглая труба",
                                                   "D=",
                                                   "14.2",
                                                   local("505.556"),
                                                   "сантиметр",
                                                   "Круглое сечение",
                                                   "Velkor  v. " + local("3.7") + "  2004"}
                                    << QStringList(buttons) + QStringList{"миллиметр", "метр"};
        QTest::newRow("solid bar in metres")
            << MakeForm(makeForm<Form2>) << QStringList{"Check1", "Option3"}
            << QStringList{"Круглое сечение", "метр", "м4"}
            << QStringList(buttons) + QStringList{"t =", "сантиметр", "миллиметр"};
        QTest::newRow("T-section")
            << MakeForm(makeForm<Form7>) << QStringList{"Check1", "Command1"}
            << QStringList{"Тавровое сечение", "Тавр\\Двутавр", "B2= B1", "Yc=", local("4.791")}
            << buttons;
        QTest::newRow("angle with its principal axes")
            << MakeForm(makeForm<Form8>) << QStringList{"Check1", "Command1"}
            << QStringList{"Уголковое сечение", "Главные оси", "α=", local("13.11")} << buttons;
    }
    void thePageIsTextAndLines()
    {
        QFETCH(MakeForm, make);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        ui.open(make);
        for (const QString& name : clicks)
            ui.click(name);
        ui.services.pdfPath = home.filePath("form.pdf");
        ui.click("Command3");
        QCOMPARE(ui.services.printerDialogs, 1);

        // pdftotext writes the runs of blanks between words as it pleases
        const QString text =
            poppler("pdftotext", {"-layout", ui.services.pdfPath, "-"}).simplified();
        for (const QString& expected : shown)
            QVERIFY2(text.contains(expected.simplified()),
                     qPrintable(expected + " not in\n" + text));
        for (const QString& unexpected : absent)
            QVERIFY2(!containsPhrase(text, unexpected), qPrintable(unexpected + " in\n" + text));
        // no picture of the form: its two header lines list no image
        QCOMPARE(poppler("pdfimages", {"-list", ui.services.pdfPath}).count('\n'), 2);
        QVERIFY(QFileInfo(ui.services.pdfPath).size() < 200000);
        QFile::remove(ui.services.pdfPath);
        ui.services.titledMessages.clear();
    }

    void withoutAPrinterTheFormGoesToANewFileInTheDocuments()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: the print goes there");
        ui.open(makeForm<Form2>);
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const QStringList expected = {
            QDir(documents()).filePath("Круглая труба " + today + ".pdf"),
            QDir(documents()).filePath("Круглая труба " + today + " (2).pdf"),
        };
        for (const QString& path : expected) {
            ui.click("Command3");
            QCOMPARE(ui.services.offeredPdfPath, path);
            QVERIFY(QFileInfo(path).size() > 0);
            QCOMPARE(ui.services.titledMessages.size(), 1);
            QCOMPARE(ui.services.titledMessages.takeFirst().second,
                     "Форма сохранена в файл " + path);
        }
    }

    void aFileNameForEverySection_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("name");
        QTest::newRow("new") << "Круглая труба" << QStringList{} << "Круглая труба 2026-03-01.pdf";
        QTest::newRow("taken twice")
            << "Ромб" << QStringList{"Ромб 2026-03-01.pdf", "Ромб 2026-03-01 (2).pdf"}
            << "Ромб 2026-03-01 (3).pdf";
        QTest::newRow("another day is no clash")
            << "Ромб" << QStringList{"Ромб 2026-02-28.pdf"} << "Ромб 2026-03-01.pdf";
        QTest::newRow("no slashes in a name")
            << "Квадратное\\ прямоугольное / сечение" << QStringList{}
            << "Квадратное прямоугольное сечение 2026-03-01.pdf";
    }
    void aFileNameForEverySection()
    {
        QFETCH(QString, section);
        QFETCH(QStringList, taken);
        QFETCH(QString, name);
        QTemporaryDir folder;
        for (const QString& file : taken) {
            QFile existing(folder.filePath(file));
            QVERIFY(existing.open(QIODevice::WriteOnly));
        }
        QCOMPARE(unusedPdfPath(folder.path(), section, QDate(2026, 3, 1)), folder.filePath(name));
    }

    void aPrintThatCannotStartSaysSo()
    {
        ui.open(makeForm<Form3>);
        ui.services.pdfPath = "/nonexistent-directory/form.pdf";
        ui.click("Command3");
        QCOMPARE(ui.services.messages,
                 QStringList{"Не удалось записать файл /nonexistent-directory/form.pdf"});
        QVERIFY(ui.services.titledMessages.isEmpty()); // nothing claims it was saved
        ui.services.messages.clear();
    }

    void hatchingScalesWithTheDrawing()
    {
        // a pattern brush keeps its 8 device pixels, so on a 1200 dpi page it is a grey tint
        ui.open(makeForm<Form2>);
        ui.click("Check1");
        const auto& sketch = static_cast<Form2&>(ui.window()).sketch();
        const int onScreen = hatchLinesAcross(sketch, 1);
        QVERIFY(onScreen >= 8);
        // as many lines, give or take one cut at the edge, not four times as many
        QVERIFY2(qAbs(hatchLinesAcross(sketch, 4) - onScreen) <= 1,
                 qPrintable(QString("%1 and %2").arg(onScreen).arg(hatchLinesAcross(sketch, 4))));
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
