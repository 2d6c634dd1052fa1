// «Паспорт сечения» on every calculator, used as an engineer uses it: it holds the figures of
// the last calculation (never of boxes edited since), is there only while results are, draws
// the section to scale at any size, and gives a report whose PDF is searchable text.
#include "form_driver.h"
#include "numbers.h"
#include "report_colours.h"
#include "section_card_window.h"

#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

// The text of a poppler tool's output; the test set-up installs poppler-utils.
QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        qFatal("pdftotext failed: %s", process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// A typed number times 10^shift times `factor`, written as the form writes numbers.
QString scaled(const QString& text, int factor, int shift = 0)
{
    velkor::Decimal value = velkor::Val(text.toStdString());
    value.significand *= factor;
    value.exponent += shift;
    return local(QString::fromStdString(velkor::FormatLocale(value, '.')));
}

// The width over the height of the material as drawn: the bounding box of its fill colour.
double drawnAspect(QWidget* picture)
{
    const QImage image = picture->grab().toImage();
    const QRgb fill = report::MaterialColour.rgb();
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == fill) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < left ? 0 : double(right - left + 1) / (bottom - top + 1);
}

} // namespace

class SectionCardWindowTest : public QObject {
    Q_OBJECT

    CalculatorDriver ui;
    QTemporaryDir folder;

    SectionCardWindow* openCard()
    {
        ui.click(QStringLiteral("CommandCard"));
        SectionCardWindow* card = ui.window().sectionCard();
        if (card == nullptr || !card->isVisible())
            qFatal("the card did not open");
        return card;
    }
    // The card's values by symbol, as its table shows them.
    static QMap<QString, QString> values(SectionCardWindow* card)
    {
        auto* table = card->findChild<QTableWidget*>(QStringLiteral("Figures"));
        QMap<QString, QString> byName;
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 1) != nullptr)
                byName.insert(table->item(row, 1)->text(), table->item(row, 2)->text());
        return byName;
    }
    // The values on the form: its result labels and the weight.
    QStringList formValues() const
    {
        QStringList shown;
        for (const QLabel* label : ui.window().resultLabels())
            if (!label->isHidden() && !label->text().isEmpty())
                shown << label->text();
        return shown << ui.window().weightResult()->text();
    }
    void compareWithForm(SectionCardWindow* card)
    {
        QStringList cardValues = values(card).values();
        for (const QString& value : formValues()) {
            QVERIFY2(cardValues.removeOne(value), qPrintable(value + " is not on the card"));
        }
    }

private slots:
    void cleanup() { ui.close(); }

    void followsTheCalculations_data()
    {
        QTest::addColumn<int>("calculator");
        for (int k = 0; k < int(std::size(Calculators)); ++k)
            QTest::newRow(Calculators[k].name) << k;
    }
    void followsTheCalculations()
    {
        QFETCH(int, calculator);
        const Calculator& c = Calculators[calculator];
        ui.open(c.make);
        QVERIFY(!ui.control("CommandCard")->isEnabled());

        ui.click("Command1");
        QVERIFY(ui.control("CommandCard")->isEnabled());
        SectionCardWindow* card = openCard();
        compareWithForm(card);
        QVERIFY(card->windowTitle().contains(ui.window().windowTitle()));
        const auto first = values(card);

        // typing changes the boxes, not what was calculated
        const QString typed = ui.control<QLineEdit>(c.firstBox)->text();
        const QString larger = scaled(typed, 11, -1);
        ui.type(c.firstBox, larger);
        card->close();
        card = openCard();
        QCOMPARE(values(card), first);

        // a refused calculation leaves the shown results, and the card with them
        ui.type(c.firstBox, QStringLiteral("0"));
        ui.click("Command1");
        QCOMPARE(ui.services.messages.size(), 1);
        QVERIFY(ui.control("CommandCard")->isEnabled());
        QCOMPARE(values(card), first);

        // the open card follows the next calculation
        ui.type(c.firstBox, larger);
        ui.click("Command1");
        QVERIFY(card->isVisible());
        QVERIFY(values(card) != first);
        compareWithForm(card);

        // a unit switch whose calculation is refused leaves no results, and no card
        ui.type(c.firstBox, QStringLiteral("0"));
        ui.click("Option1");
        QCOMPARE(ui.services.messages.size(), 2);
        QVERIFY(!ui.control("CommandCard")->isEnabled());
        QVERIFY(!card->isVisible());
        // the next results bring it back, in the new unit
        ui.type(c.firstBox, scaled(typed, 1, 1));
        ui.click("Command1");
        QVERIFY(card->isVisible());
        QCOMPARE(values(card).value(QStringLiteral("weight")), first.value("weight"));
        compareWithForm(card);

        // «Выход» takes the card along
        ui.click("Command2");
        QVERIFY(!card->isVisible());
    }

    void switchingBeforeCalculatingGivesNoCard()
    {
        ui.open(makeForm<Form2>);
        ui.click("Option1");
        QVERIFY(!ui.control("CommandCard")->isEnabled());
        QVERIFY(ui.window().sectionCard() == nullptr);
    }

    void drawnToScale_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("width");
        QTest::newRow("tall channel") << "20"
                                      << "9";
        QTest::newRow("square channel") << "12"
                                        << "12";
        QTest::newRow("wide channel") << "8"
                                      << "24";
    }
    void drawnToScale()
    {
        QFETCH(QString, height);
        QFETCH(QString, width);
        ui.open(makeForm<Form8>);
        ui.type("Text3", height);
        ui.type("Text7", width); // B2, which B1 follows
        ui.click("Command1");
        SectionCardWindow* card = openCard();
        auto* picture = card->findChild<QWidget*>(QStringLiteral("SectionPicture"));
        const double expected = width.toDouble() / height.toDouble();
        for (const QSize size : {QSize(820, 660), QSize(1100, 900), QSize(600, 800)}) {
            card->resize(size);
            QApplication::processEvents();
            const double aspect = drawnAspect(picture);
            QVERIFY2(std::abs(aspect / expected - 1) < 0.05,
                     qPrintable(QStringLiteral("%1 drawn as %2 at %3×%4")
                                    .arg(expected)
                                    .arg(aspect)
                                    .arg(size.width())
                                    .arg(size.height())));
        }
        const QString description = picture->accessibleDescription();
        QVERIFY2(description.contains(QStringLiteral("H = ") + local(height)),
                 qPrintable(description));
    }

    void readableByAScreenReader()
    {
        ui.open(makeForm<Form7>);
        ui.click("Command1");
        SectionCardWindow* card = openCard();
        auto* table = card->findChild<QTableWidget*>(QStringLiteral("Figures"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(table);
        QVERIFY(accessible->tableInterface() != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Характеристики сечения"));
        // the area's row, 2·15·0.9 + 17.5·0.6 cm²: name, symbol, value and unit in cells of
        // their own
        const QList<QTableWidgetItem*> area =
            table->findItems(QStringLiteral("Площадь сечения"), Qt::MatchExactly);
        QCOMPARE(area.size(), 1);
        const int row = area.front()->row();
        QCOMPARE(accessible->tableInterface()->cellAt(row, 2)->text(QAccessible::Name),
                 local("37.5"));
        QCOMPARE(table->item(row, 3)->text(), QStringLiteral("см2"));
    }

    void savesTheReportAsSearchablePdf()
    {
        ui.open(makeForm<Form8>);
        ui.click("Command1");
        SectionCardWindow* card = openCard();

        ui.services.savePath = QString(); // cancelled: nothing written, nothing said
        card->findChild<QPushButton*>(QStringLiteral("SavePdf"))->click();
        QVERIFY(ui.services.offeredSavePath.endsWith(QDate::currentDate().toString(Qt::ISODate) +
                                                     QStringLiteral(".pdf")));
        QVERIFY(QFileInfo(ui.services.offeredSavePath)
                    .fileName()
                    .startsWith(ui.window().windowTitle()));
        QVERIFY(ui.services.messages.isEmpty());

        ui.services.savePath = folder.filePath(QStringLiteral("card.pdf"));
        card->findChild<QPushButton*>(QStringLiteral("SavePdf"))->click();
        QVERIFY(ui.services.messages.isEmpty());
        QVERIFY(card->findChild<QLabel*>(QStringLiteral("Status"))->text().contains("card.pdf"));
        const QString text = pdfText(ui.services.savePath);
        for (const QString& expected :
             {ui.window().windowTitle(), QStringLiteral("Паспорт сечения"),
              QStringLiteral("Velkor"), QStringLiteral("Исходные данные"),
              QStringLiteral("Ix ") + values(card)["Ix"],
              QStringLiteral("Iw ") + values(card)["Iw"], values(card)["weight"]})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in\n" + text));

        ui.services.savePath = folder.filePath(QStringLiteral("no such folder/card.pdf"));
        card->findChild<QPushButton*>(QStringLiteral("SavePdf"))->click();
        QCOMPARE(ui.services.messages.size(), 1);
        QVERIFY(ui.services.messages.front().contains(QStringLiteral("card.pdf")));
    }

    void printsTheReportPage()
    {
        ui.open(makeForm<Form5>);
        ui.click("Command1");
        SectionCardWindow* card = openCard();
        ui.services.pdfPath = folder.filePath(QStringLiteral("printed.pdf"));
        card->findChild<QPushButton*>(QStringLiteral("Print"))->click();
        QCOMPARE(ui.services.printerDialogs, 1);
        QCOMPARE(ui.services.titledMessages.size(), 1);
        QVERIFY(ui.services.titledMessages.front().second.endsWith(QStringLiteral("printed.pdf")));
        const QString text = pdfText(ui.services.pdfPath);
        QVERIFY2(text.contains(QStringLiteral("Ix ") + values(card)["Ix"]), qPrintable(text));

        ui.services.acceptPrinter = false; // cancelled: no page, no message
        card->findChild<QPushButton*>(QStringLiteral("Print"))->click();
        QCOMPARE(ui.services.titledMessages.size(), 1);
    }

    void copiesTheTable()
    {
        ui.open(makeForm<Form1>);
        ui.click("Command1");
        SectionCardWindow* card = openCard();
        card->findChild<QPushButton*>(QStringLiteral("Copy"))->click();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        const QStringList lines = copied->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.front(), card->windowTitle());
        QVERIFY(lines.contains(QStringLiteral("H\t11 см\t")));
        QVERIFY(lines.contains(QStringLiteral("Момент инерции относительно оси X, Ix\t") +
                               values(card)["Ix"] + QStringLiteral("\tсм4")));
        QVERIFY(copied->html().contains(QStringLiteral("<td>") + values(card)["Ix"]));
    }
};

QTEST_MAIN(SectionCardWindowTest)
#include "tst_section_card_window.moc"
