// «Принтер»: the page is the form drawn as vector graphics, its texts a text layer a PDF
// reader finds, without the command buttons or the widgets' screen styling. Without a
// printer the page goes to a new PDF file in the documents folder, and the user is told.
#include "form2.h"
#include "form3.h"
#include "form7.h"
#include "form8.h"
#include "form_test_support.h"
#include "print_file.h"
#include "recording_services.h"
#include "section_sketch.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

using Make = std::function<SectionForm*(PlatformServices&)>;

template <typename Form> SectionForm* make(PlatformServices& services)
{
    return new Form(services);
}

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

    RecordingServices services;
    std::unique_ptr<ModalWindowGuard> guard;
    std::unique_ptr<SectionForm> form;
    QTemporaryDir home;

    void open(const Make& make)
    {
        form.reset(make(services));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    QWidget* control(const QString& name) const { return form->findChild<QWidget*>(name); }
    void click(const QString& name)
    {
        if (name.startsWith("Check") || name.startsWith("Option"))
            clickIndicator(control(name));
        else
            QTest::mouseClick(control(name), Qt::LeftButton);
    }
    QString documents() const { return QDir(home.path()).filePath("Documents"); }

private slots:
    void initTestCase()
    {
        // the documents folder of a user of our own
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    }
    void init()
    {
        services = RecordingServices();
        guard = std::make_unique<ModalWindowGuard>();
    }
    void cleanup()
    {
        form.reset();
        QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
        QVERIFY(services.messages.isEmpty());
        QDir(documents()).removeRecursively();
    }

    void thePageIsTextAndLines_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("shown");  // texts on the page
        QTest::addColumn<QStringList>("absent"); // and what the paper must not show
        const QStringList buttons = {"Вычислить", "Принтер", "Выход"};
        QTest::newRow("round tube") << Make(make<Form2>) << QStringList{"Command1"}
                                    << QStringList{"Круглая труба",
                                                   "D=",
                                                   "14.2",
                                                   local("505.556"),
                                                   "сантиметр",
                                                   "Круглое сечение",
                                                   "Velkor  v. " + local("3.7") + "  2004"}
                                    << QStringList(buttons) + QStringList{"миллиметр", "метр"};
        QTest::newRow("solid bar in metres")
            << Make(make<Form2>) << QStringList{"Check1", "Option3"}
            << QStringList{"Круглое сечение", "метр", "м4"}
            << QStringList(buttons) + QStringList{"t =", "сантиметр", "миллиметр"};
        QTest::newRow("T-section")
            << Make(make<Form7>) << QStringList{"Check1", "Command1"}
            << QStringList{"Тавровое сечение", "Тавр\\Двутавр", "B2= B1", "Yc=", local("4.791")}
            << buttons;
        QTest::newRow("angle with its principal axes")
            << Make(make<Form8>) << QStringList{"Check1", "Command1"}
            << QStringList{"Уголковое сечение", "Главные оси", "α=", local("13.11")} << buttons;
    }
    void thePageIsTextAndLines()
    {
        QFETCH(Make, make);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        open(make);
        for (const QString& name : clicks)
            click(name);
        services.pdfPath = home.filePath("form.pdf");
        click("Command3");
        QCOMPARE(services.printerDialogs, 1);

        // pdftotext writes the runs of blanks between words as it pleases
        const QString text = poppler("pdftotext", {"-layout", services.pdfPath, "-"}).simplified();
        for (const QString& expected : shown)
            QVERIFY2(text.contains(expected.simplified()),
                     qPrintable(expected + " not in\n" + text));
        for (const QString& unexpected : absent)
            QVERIFY2(!containsPhrase(text, unexpected), qPrintable(unexpected + " in\n" + text));
        // no picture of the form: its two header lines list no image
        QCOMPARE(poppler("pdfimages", {"-list", services.pdfPath}).count('\n'), 2);
        QVERIFY(QFileInfo(services.pdfPath).size() < 200000);
        QFile::remove(services.pdfPath);
        services.titledMessages.clear();
    }

    void withoutAPrinterTheFormGoesToANewFileInTheDocuments()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: the print goes there");
        open(make<Form2>);
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const QStringList expected = {
            QDir(documents()).filePath("Круглая труба " + today + ".pdf"),
            QDir(documents()).filePath("Круглая труба " + today + " (2).pdf"),
        };
        for (const QString& path : expected) {
            click("Command3");
            QCOMPARE(services.offeredPdfPath, path);
            QVERIFY(QFileInfo(path).size() > 0);
            QCOMPARE(services.titledMessages.size(), 1);
            QCOMPARE(services.titledMessages.takeFirst().second, "Форма сохранена в файл " + path);
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
        open(make<Form3>);
        services.pdfPath = "/nonexistent-directory/form.pdf";
        click("Command3");
        QCOMPARE(services.messages,
                 QStringList{"Не удалось записать файл /nonexistent-directory/form.pdf"});
        QVERIFY(services.titledMessages.isEmpty()); // nothing claims it was saved
        services.messages.clear();
    }

    void hatchingScalesWithTheDrawing()
    {
        // a pattern brush keeps its 8 device pixels, so on a 1200 dpi page it is a grey tint
        open(make<Form2>);
        click("Check1");
        const auto& sketch = static_cast<Form2&>(*form).sketch();
        const int onScreen = hatchLinesAcross(sketch, 1);
        QVERIFY(onScreen >= 8);
        // as many lines, give or take one cut at the edge, not four times as many
        QVERIFY2(qAbs(hatchLinesAcross(sketch, 4) - onScreen) <= 1,
                 qPrintable(QString("%1 and %2").arg(onScreen).arg(hatchLinesAcross(sketch, 4))));
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
