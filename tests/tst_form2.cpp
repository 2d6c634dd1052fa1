// The round tube / bar calculator driven as a user would drive it, with what its frame
// shows differently from the others and the precision typed into the list.
#include "form2.h"
#include "form_driver.h"
#include "section_sketch.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QStringList ResultNames = {"Label1(1)", "Label24", "Label28", "Label26", "Label9"};
const QStringList Defaults = {"505.556", "71.205", "21.519", "4.846", "16.893"};

// Counts the paint events a widget receives, as when the form is rendered for printing.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

    FormDriver<Form2> ui;

    QStringList results() const { return ui.texts(ResultNames); }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void loadsWithItsDesignValues()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Круглая труба"));
        QCOMPARE(ui.boxText("Text1"), QString("14.2"));
        QCOMPARE(ui.boxText("Text2"), QString("0.5"));
        QCOMPARE(ui.control("Label18")->toolTip(), QString("Версия"));
        QCOMPARE(ui.control("Option1")->toolTip(), QString("ед. измерения миллиметр"));
        QCOMPARE(ui.control("Text3")->toolTip(), QString("Удельный вес"));
        QCOMPARE(ui.text("Label7"), QString("Удельный вес кг/м. куб."));
        QCOMPARE(ui.text("Label8"), QString("Вес кг/м"));
        QCOMPARE(ui.text("Label15"), QString("Точность результатов:"));
    }

    void calculatesTheDefaultTube()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(Defaults));
    }

    void calculatesInMillimetres()
    {
        ui.click("Option1");
        ui.type("Text1", "142");
        ui.type("Text2", "5");
        ui.click("Command1");
        QCOMPARE(results(),
                 localNumbers({"5055564.781", "71205.137", "2151.99", "48.469", "16.893"}));
    }

    void solidModeHidesTheWall()
    {
        ui.type("Text2", "0.7");
        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("Круглое сечение"));
        QVERIFY(!ui.control("Text2")->isVisible());
        QVERIFY(!ui.control("Label3")->isVisible());
        QVERIFY(!ui.control("Label10")->isVisible());
        QCOMPARE(ui.control("Text1")->toolTip(), QString("Диаметр"));
        QCOMPARE(ui.control("Label2")->toolTip(), QString("Диаметр"));
        QCOMPARE(ui.window().sketch().elementToolTip("Label1(0)"), QString("Диаметр"));
        QCOMPARE(ui.window().sketch().elementFill("Shape2"), Qt::FDiagPattern);
        for (const char* wall : {"Shape1", "Label4", "Line4", "Line5", "Line6"})
            QVERIFY2(!ui.window().sketch().isElementVisible(wall), wall);
        QVERIFY(ui.window().sketch().isElementVisible("Line1"));
        QCOMPARE(QApplication::focusWidget(), ui.control("Text1"));

        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"1995.828", "281.102", "158.367", "3.55", "124.318"}));

        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("Круглая труба"));
        QVERIFY(ui.control("Text2")->isVisible());
        QCOMPARE(ui.boxText("Text2"), QString("0.7"));
        QCOMPARE(ui.control("Text1")->toolTip(), QString("Наружный диаметр"));
        QCOMPARE(ui.window().sketch().elementFill("Shape2"), Qt::NoBrush);
        QVERIFY(ui.window().sketch().isElementVisible("Shape1"));
        QCOMPARE(QApplication::focusWidget(), ui.control("Text2"));
        // a mode change neither clears nor recalculates
        QCOMPARE(ui.text("Label1(1)"), local("1995.828"));
    }

    void sketchLettersCarryTheirToolTips()
    {
        const SectionSketch& sketch = ui.window().sketch();
        QCOMPARE(sketch.elementToolTip("Label4"), QString("Толщина стенки"));
        QCOMPARE(sketch.elementToolTip("Label1(0)"), QString("Наружный диаметр"));
        QCOMPARE(sketch.toolTipAt({90, 170}), QString("Наружный диаметр"));
        QCOMPARE(sketch.toolTipAt({105, 12}), QString("Толщина стенки"));
        QCOMPARE(sketch.toolTipAt({5, 5}), QString());
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message");
        const QString twoWalls = "D должно быть больше или равно 2t";
        const QString noDiameter = "D должно быть больше нуля";
        QTest::newRow("wall too thick") << QStringList{"Text1=10", "Text2=6"} << twoWalls;
        QTest::newRow("both zero") << QStringList{"Text1=0", "Text2=0"} << noDiameter;
        QTest::newRow("no wall") << QStringList{"Text1=10", "Text2=0"}
                                 << "t должно быть больше нуля";
        QTest::newRow("negative D") << QStringList{"Text1=-5", "Text2=1"} << twoWalls;
        QTest::newRow("empty boxes") << QStringList{"Text1=", "Text2="} << noDiameter;
        QTest::newRow("Cyrillic text") << QStringList{"Text1=Дюйм", "Text2=0"} << noDiameter;
        QTest::newRow("absurdly large") << QStringList{"Text1=1e200", "Text2=1"} << WrongData;
    }
    void checksInTheirOrder()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        ui.verifyRefusedAfterCalculating(steps, message);
    }

    void tubeWithZeroBoreIsTheBar()
    {
        ui.type("Text1", "10");
        ui.type("Text2", "5");
        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"490.873", "98.174", "78.539", "2.5", "61.653"}));
    }

    void unitSwitchInSolidModeRescalesTheHiddenWall()
    {
        ui.click("Check1");
        ui.click("Command1");
        ui.click("Option1");
        QCOMPARE(ui.boxText("Text2"), QString("5"));
        QCOMPARE(ui.text("Label28"), local("15836.768"));
    }

    void unitSwitchLeavesABoxWithoutANumberAlone()
    {
        ui.click("Command1");
        ui.type("Text1", "0");
        ui.click("Command1"); // refused, but it was a run in centimetres
        QCOMPARE(ui.services.messages.size(), 1);
        ui.type("Text1", "abc");
        ui.click("Option1");
        QCOMPARE(ui.boxText("Text1"), QString("abc")); // nothing to convert: left as typed
        QCOMPARE(ui.boxText("Text2"), QString("5"));
        QCOMPARE(ui.services.messages.size(), 2); // the routine reports its check
        QCOMPARE(ui.text("Label1(1)"), QString());
        QCOMPARE(ui.text("Label9"), local("16.893"));
    }

    void eachFormRemembersItsOwnUnit()
    {
        FormDriver<Form2> other;
        other.open();
        other.perform({"Option3", "Text1=0.142", "Text2=0.005", "Command1"});
        QCOMPARE(other.window().unitFactor(), 1000);
        other.close();

        ui.click("Option1"); // this form has not calculated: its inputs stay as typed
        QCOMPARE(ui.boxText("Text1"), QString("14.2"));
        ui.click("Option2");
        ui.click("Command1");
        ui.click("Option1");
        QCOMPARE(ui.boxText("Text1"), QString("142"));
    }

    void typedPrecisions_data()
    {
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("weight");
        QTest::newRow("negative acts as positive") << "-100"
                                                   << "16.89";
        // 118/7, cut to 15 digits, not rounded
        QTest::newRow("sevenths") << "7"
                                  << "16.8571428571428";
        QTest::newRow("comma decimal") << "1000,0"
                                       << "16.893";
    }
    void typedPrecisions()
    {
        QFETCH(QString, precision);
        QFETCH(QString, weight);
        typeInto(ui.control<QComboBox>("Combo1")->lineEdit(), precision);
        ui.click("Command1");
        QCOMPARE(ui.text("Label9"), local(weight));
    }

    void unusablePrecisionIsRefused_data()
    {
        QTest::addColumn<QString>("precision");
        QTest::newRow("zero") << "0";
        QTest::newRow("empty") << "";
        QTest::newRow("text") << "много";
        QTest::newRow("beyond every number") << "1e400";
    }
    void unusablePrecisionIsRefused()
    {
        QFETCH(QString, precision);
        ui.click("Command1");
        typeInto(ui.control<QComboBox>("Combo1")->lineEdit(), precision);
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{"Неверно задана точность результатов"});
        QCOMPARE(results(), localNumbers(Defaults));
    }

    void typingAPrecisionWaitsForTheNextCalculation()
    {
        ui.click("Command1");
        typeInto(ui.control<QComboBox>("Combo1")->lineEdit(), "10");
        ui.control("Text1")->setFocus(); // leaving the list is no pick
        QCOMPARE(ui.text("Label24"), local("71.205"));
        ui.click("Command1");
        QCOMPARE(ui.text("Label24"), local("71.2"));
    }

    void resultsWrittenWithTheLocalSeparatorReadBack()
    {
        ui.type("Text1", local("14.2"));
        ui.type("Text2", local("0.5"));
        ui.click("Command1");
        QCOMPARE(ui.text("Label1(1)"), local("505.556"));
        ui.type("Text1", ui.text("Label26")); // 4.846 as shown, pasted back as a diameter
        ui.type("Text2", "1");
        ui.click("Command1");
        QCOMPARE(ui.text("Label28"), local("12.082"));
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Name), QString("D="));
        QCOMPARE(accessibleText(ui.control("Text2"), QAccessible::Name), QString("t ="));
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Description),
                 QString("Наружный диаметр"));
        QCOMPARE(accessibleText(ui.control("Check1"), QAccessible::Name),
                 QString("Круглое сечение"));
        QCOMPARE(accessibleText(ui.control("Command1"), QAccessible::Name), QString("Вычислить"));
        QCOMPARE(accessibleText(ui.control("Label1(1)"), QAccessible::Description),
                 QString("I = Момент инерции"));
        QCOMPARE(accessibleText(ui.control("Label9"), QAccessible::Description),
                 QString("Вес кг/м Вес погонного метра"));
    }

    void tabOrderFollowsTheForm()
    {
        // the unit group is entered at the selected unit, centimetre
        const QStringList expected = {"Text1", "Text2",    "Check1",   "Combo1",      "Option2",
                                      "Text3", "Command1", "Command3", "CommandCard", "Command2"};
        QCOMPARE(ui.tabStops("Text1", expected.size()), expected);
    }

    void printsTheFormWithoutItsButtons()
    {
        QTemporaryDir dir;
        ui.services.pdfPath = dir.filePath("form.pdf");
        PaintCounter buttonPaints, inputPaints;
        ui.control("Command1")->installEventFilter(&buttonPaints);
        ui.control("Text1")->installEventFilter(&inputPaints);
        ui.click("Command3");
        ui.control("Command1")->removeEventFilter(&buttonPaints);
        ui.control("Text1")->removeEventFilter(&inputPaints);

        QCOMPARE(ui.services.printerDialogs, 1);
        QVERIFY(QFileInfo(ui.services.pdfPath).size() > 1000);
        QCOMPARE(buttonPaints.paints, 0);
        QVERIFY(inputPaints.paints > 0);
        for (const char* button : {"Command1", "Command2", "Command3"})
            QVERIFY(ui.control(button)->isVisible());
    }

    void cancelledPrinterDialogPrintsNothing()
    {
        QTemporaryDir dir;
        ui.services.pdfPath = dir.filePath("form.pdf");
        ui.services.acceptPrinter = false;
        ui.click("Command3");
        QVERIFY(!QFileInfo::exists(ui.services.pdfPath));
        QVERIFY(ui.control("Command3")->isVisible());
    }

    void failedPrintShowsTheButtonsAgain()
    {
        ui.services.pdfPath = "/nonexistent-directory/form.pdf";
        ui.click("Command3");
        for (const char* button : {"Command1", "Command2", "Command3"})
            QVERIFY(ui.control(button)->isVisible());
        // a print that cannot start is no success: the usual message box says so
        QCOMPARE(ui.services.messages,
                 QStringList{"Не удалось записать файл /nonexistent-directory/form.pdf"});
    }
};

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
