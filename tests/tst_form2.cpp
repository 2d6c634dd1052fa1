// The round tube / bar calculator driven as a user would drive it, with the common frame.
#include "form2.h"
#include "form_test_support.h"
#include "numbers.h"
#include "recording_services.h"
#include "section_sketch.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString ResultNames[] = {"Label1(1)", "Label24", "Label28", "Label26", "Label9"};

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

    RecordingServices services;
    std::unique_ptr<ModalWindowGuard> guard;
    std::unique_ptr<Form2> form;

    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString& label) const { return control<QLabel>(label)->text(); }
    QStringList results() const
    {
        QStringList shown;
        for (const QString& name : ResultNames)
            shown << text(name);
        return shown;
    }
    QStringList localResults(QStringList numbers) const
    {
        for (QString& number : numbers)
            number = local(number);
        return numbers;
    }
    void click(const QString& name)
    {
        QWidget* widget = control(name);
        if (name.startsWith("Option") || name.startsWith("Check"))
            clickIndicator(widget);
        else
            QTest::mouseClick(widget, Qt::LeftButton);
    }
    void type(const QString& box, const QString& text) { typeInto(control(box), text); }
    QString boxText(const QString& box) const { return control<QLineEdit>(box)->text(); }

private slots:
    void init()
    {
        services = RecordingServices();
        guard = std::make_unique<ModalWindowGuard>();
        form = std::make_unique<Form2>(services);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
    }

    void loadsWithItsDesignValues()
    {
        QCOMPARE(form->windowTitle(), QString("Круглая труба"));
        QCOMPARE(boxText("Text1"), QString("14.2"));
        QCOMPARE(boxText("Text2"), QString("0.5"));
        QCOMPARE(boxText("Text3"), QString("7850"));
        QCOMPARE(control<QComboBox>("Combo1")->currentText(), QString("1000"));
        QCOMPARE(control<QComboBox>("Combo1")->count(), 10);
        QCOMPARE(control<QComboBox>("Combo1")->itemText(9), QString("10000000000"));
        QVERIFY(control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(text("Label18"), "Velkor  v. " + local("3.7") + "  2004");
        QCOMPARE(control("Label18")->toolTip(), QString("Версия"));
        QCOMPARE(control("Option1")->toolTip(), QString("ед. измерения миллиметр"));
        QCOMPARE(control("Text3")->toolTip(), QString("Удельный вес"));
        QCOMPARE(text("Label7"), QString("Удельный вес кг/м. куб."));
        QCOMPARE(text("Label8"), QString("Вес кг/м"));
        QCOMPARE(text("Label15"), QString("Точность результатов:"));
        for (const char* unit : {"Label6", "Label10", "Label13"})
            QCOMPARE(text(unit), QString("см"));
        QCOMPARE(text("Label11"), QString("см4"));
        QCOMPARE(results(), QStringList(5, QString()));
        QCOMPARE(form->unitFactor(), 0);
    }

    void calculatesTheDefaultTube()
    {
        click("Command1");
        QCOMPARE(results(), localResults({"505.556", "71.205", "21.519", "4.846", "16.893"}));
        QCOMPARE(form->unitFactor(), 10);
        QVERIFY(services.messages.isEmpty());
    }

    void calculatesInMillimetres()
    {
        click("Option1");
        QCOMPARE(text("Label6"), QString("мм"));
        QCOMPARE(text("Label14"), QString("мм2"));
        QCOMPARE(text("Label12"), QString("мм3"));
        QCOMPARE(text("Label11"), QString("мм4"));
        QCOMPARE(boxText("Text1"), QString("14.2")); // nothing calculated yet: nothing converted
        QCOMPARE(results(), QStringList(5, QString()));
        type("Text1", "142");
        type("Text2", "5");
        click("Command1");
        QCOMPARE(results(),
                 localResults({"5055564.781", "71205.137", "2151.99", "48.469", "16.893"}));
    }

    void solidModeHidesTheWall()
    {
        type("Text2", "0.7");
        click("Check1");
        QCOMPARE(form->windowTitle(), QString("Круглое сечение"));
        QVERIFY(!control("Text2")->isVisible());
        QVERIFY(!control("Label3")->isVisible());
        QVERIFY(!control("Label10")->isVisible());
        QCOMPARE(control("Text1")->toolTip(), QString("Диаметр"));
        QCOMPARE(control("Label2")->toolTip(), QString("Диаметр"));
        QCOMPARE(form->sketch().elementToolTip("Label1(0)"), QString("Диаметр"));
        QCOMPARE(form->sketch().elementFill("Shape2"), Qt::FDiagPattern);
        for (const char* wall : {"Shape1", "Label4", "Line4", "Line5", "Line6"})
            QVERIFY2(!form->sketch().isElementVisible(wall), wall);
        QVERIFY(form->sketch().isElementVisible("Line1"));
        QCOMPARE(QApplication::focusWidget(), control("Text1"));

        click("Command1");
        QCOMPARE(results(), localResults({"1995.828", "281.102", "158.367", "3.55", "124.318"}));

        click("Check1");
        QCOMPARE(form->windowTitle(), QString("Круглая труба"));
        QVERIFY(control("Text2")->isVisible());
        QCOMPARE(boxText("Text2"), QString("0.7"));
        QCOMPARE(control("Text1")->toolTip(), QString("Наружный диаметр"));
        QCOMPARE(form->sketch().elementFill("Shape2"), Qt::NoBrush);
        QVERIFY(form->sketch().isElementVisible("Shape1"));
        QCOMPARE(QApplication::focusWidget(), control("Text2"));
        // a mode change neither clears nor recalculates
        QCOMPARE(text("Label1(1)"), local("1995.828"));
    }

    void sketchLettersCarryTheirToolTips()
    {
        const SectionSketch& sketch = form->sketch();
        QCOMPARE(sketch.elementToolTip("Label4"), QString("Толщина стенки"));
        QCOMPARE(sketch.elementToolTip("Label1(0)"), QString("Наружный диаметр"));
        QCOMPARE(sketch.toolTipAt({90, 170}), QString("Наружный диаметр"));
        QCOMPARE(sketch.toolTipAt({105, 12}), QString("Толщина стенки"));
        QCOMPARE(sketch.toolTipAt({5, 5}), QString());
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QString>("D");
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("message");
        QTest::newRow("wall too thick") << "10"
                                        << "6"
                                        << "D должно быть больше или равно 2t";
        QTest::newRow("both zero") << "0"
                                   << "0"
                                   << "D должно быть больше нуля";
        QTest::newRow("no wall") << "10"
                                 << "0"
                                 << "t должно быть больше нуля";
        QTest::newRow("negative D") << "-5"
                                    << "1"
                                    << "D должно быть больше или равно 2t";
        QTest::newRow("empty boxes") << ""
                                     << ""
                                     << "D должно быть больше нуля";
        QTest::newRow("Cyrillic text") << "Дюйм"
                                       << "0"
                                       << "D должно быть больше нуля";
        QTest::newRow("absurdly large") << "1e200"
                                        << "1"
                                        << "Введены ошибочные данные";
    }
    void checksInTheirOrder()
    {
        QFETCH(QString, D);
        QFETCH(QString, t);
        QFETCH(QString, message);
        click("Command1");
        const QStringList before = results();
        type("Text1", D);
        type("Text2", t);
        click("Command1");
        QCOMPARE(services.messages, QStringList{message});
        QCOMPARE(results(), before); // a refused run changes no label
    }

    void tubeWithZeroBoreIsTheBar()
    {
        type("Text1", "10");
        type("Text2", "5");
        click("Command1");
        QCOMPARE(results(), localResults({"490.873", "98.174", "78.539", "2.5", "61.653"}));
    }

    void unitSwitchConvertsAndRecalculates()
    {
        click("Command1");
        click("Option1");
        QCOMPARE(boxText("Text1"), QString("142"));
        QCOMPARE(boxText("Text2"), QString("5"));
        QCOMPARE(boxText("Text3"), QString("7850")); // the specific weight is absolute
        QCOMPARE(results(),
                 localResults({"5055564.781", "71205.137", "2151.99", "48.469", "16.893"}));
        click("Option3");
        QCOMPARE(boxText("Text1"), local("0.142"));
        QCOMPARE(boxText("Text2"), local("0.005"));
        QCOMPARE(text("Label28"), local("0.002"));
        QCOMPARE(text("Label13"), QString("м"));
        click("Option2");
        QCOMPARE(boxText("Text1"), local("14.2"));
        QCOMPARE(boxText("Text2"), local("0.5"));
        QCOMPARE(results(), localResults({"505.556", "71.205", "21.519", "4.846", "16.893"}));
        QVERIFY(services.messages.isEmpty());
    }

    void unitSwitchInSolidModeRescalesTheHiddenWall()
    {
        click("Check1");
        click("Command1");
        click("Option1");
        QCOMPARE(boxText("Text2"), QString("5"));
        QCOMPARE(text("Label28"), local("15836.768"));
    }

    void unitSwitchLeavesABoxWithoutANumberAlone()
    {
        click("Command1");
        type("Text1", "0");
        click("Command1"); // refused, but it was a run in centimetres
        QCOMPARE(services.messages.size(), 1);
        type("Text1", "abc");
        click("Option1");
        QCOMPARE(boxText("Text1"), QString("abc")); // nothing to convert: left as typed
        QCOMPARE(boxText("Text2"), QString("5"));
        QCOMPARE(services.messages.size(), 2); // the routine reports its check
        QCOMPARE(text("Label1(1)"), QString());
        QCOMPARE(text("Label9"), local("16.893"));
    }

    void eachFormRemembersItsOwnUnit()
    {
        RecordingServices otherServices;
        Form2 other(otherServices);
        other.show();
        clickIndicator(other.findChild<QWidget*>("Option3"));
        typeInto(other.findChild<QWidget*>("Text1"), "0.142");
        typeInto(other.findChild<QWidget*>("Text2"), "0.005");
        QTest::mouseClick(other.findChild<QWidget*>("Command1"), Qt::LeftButton);
        QCOMPARE(other.unitFactor(), 1000);

        click("Option1"); // this form has not calculated: its inputs stay as typed
        QCOMPARE(boxText("Text1"), QString("14.2"));
        click("Option2");
        click("Command1");
        click("Option1");
        QCOMPARE(boxText("Text1"), QString("142"));
    }

    void pickingAPrecisionRecalculates()
    {
        pickEntry(control<QComboBox>("Combo1"), "10");
        QCOMPARE(results(), localResults({"505.5", "71.2", "21.5", "4.8", "16.8"}));
        pickEntry(control<QComboBox>("Combo1"), "100000000");
        QCOMPARE(text("Label26"), local("4.84690622"));
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
        typeInto(control<QComboBox>("Combo1")->lineEdit(), precision);
        click("Command1");
        QCOMPARE(text("Label9"), local(weight));
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
        click("Command1");
        typeInto(control<QComboBox>("Combo1")->lineEdit(), precision);
        click("Command1");
        QCOMPARE(services.messages, QStringList{"Неверно задана точность результатов"});
        QCOMPARE(results(), localResults({"505.556", "71.205", "21.519", "4.846", "16.893"}));
    }

    void typingAPrecisionWaitsForTheNextCalculation()
    {
        click("Command1");
        typeInto(control<QComboBox>("Combo1")->lineEdit(), "10");
        control("Text1")->setFocus(); // leaving the list is no pick
        QCOMPARE(text("Label24"), local("71.205"));
        click("Command1");
        QCOMPARE(text("Label24"), local("71.2"));
    }

    void resultsWrittenWithTheLocalSeparatorReadBack()
    {
        type("Text1", local("14.2"));
        type("Text2", local("0.5"));
        click("Command1");
        QCOMPARE(text("Label1(1)"), local("505.556"));
        type("Text1", text("Label26")); // 4.846 as shown, pasted back as a diameter
        type("Text2", "1");
        click("Command1");
        QCOMPARE(text("Label28"), local("12.082"));
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(control("Text1"), QAccessible::Name), QString("D="));
        QCOMPARE(accessibleText(control("Text2"), QAccessible::Name), QString("t ="));
        QCOMPARE(accessibleText(control("Text1"), QAccessible::Description),
                 QString("Наружный диаметр"));
        QCOMPARE(accessibleText(control("Check1"), QAccessible::Name), QString("Круглое сечение"));
        QCOMPARE(accessibleText(control("Command1"), QAccessible::Name), QString("Вычислить"));
        QCOMPARE(accessibleText(control("Label1(1)"), QAccessible::Description),
                 QString("I = Момент инерции"));
        QCOMPARE(accessibleText(control("Label9"), QAccessible::Description),
                 QString("Вес кг/м Вес погонного метра"));
        click("Command1");
        QCOMPARE(accessibleText(control("Label1(1)"), QAccessible::Name), local("505.556"));
    }

    void tabOrderFollowsTheForm()
    {
        // the unit group is entered at the selected unit, centimetre
        const QStringList expected = {"Text1", "Text2",    "Check1",   "Combo1",      "Option2",
                                      "Text3", "Command1", "Command3", "CommandCard", "Command2"};
        QWidget* widget = control("Text1");
        for (const QString& name : expected) {
            QCOMPARE(widget->objectName(), name);
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus) ||
                   widget->parentWidget() == control<QComboBox>("Combo1"));
        }
    }

    void exitHidesAndKeepsEverything()
    {
        type("Text1", "20");
        click("Command1");
        const QStringList shown = results();
        click("Command2");
        QVERIFY(!form->isVisible());
        form->show();
        QCOMPARE(boxText("Text1"), QString("20"));
        QCOMPARE(results(), shown);
    }

    void printsTheFormWithoutItsButtons()
    {
        QTemporaryDir dir;
        services.pdfPath = dir.filePath("form.pdf");
        PaintCounter buttonPaints, inputPaints;
        control("Command1")->installEventFilter(&buttonPaints);
        control("Text1")->installEventFilter(&inputPaints);
        click("Command3");
        control("Command1")->removeEventFilter(&buttonPaints);
        control("Text1")->removeEventFilter(&inputPaints);

        QCOMPARE(services.printerDialogs, 1);
        QVERIFY(QFileInfo(services.pdfPath).size() > 1000);
        QCOMPARE(buttonPaints.paints, 0);
        QVERIFY(inputPaints.paints > 0);
        for (const char* button : {"Command1", "Command2", "Command3"})
            QVERIFY(control(button)->isVisible());
    }

    void cancelledPrinterDialogPrintsNothing()
    {
        QTemporaryDir dir;
        services.pdfPath = dir.filePath("form.pdf");
        services.acceptPrinter = false;
        click("Command3");
        QVERIFY(!QFileInfo::exists(services.pdfPath));
        QVERIFY(control("Command3")->isVisible());
    }

    void failedPrintShowsTheButtonsAgain()
    {
        services.pdfPath = "/nonexistent-directory/form.pdf";
        click("Command3");
        for (const char* button : {"Command1", "Command2", "Command3"})
            QVERIFY(control(button)->isVisible());
        // a print that cannot start is no success: the usual message box says so
        QCOMPARE(services.messages,
                 QStringList{"Не удалось записать файл /nonexistent-directory/form.pdf"});
    }
};

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
