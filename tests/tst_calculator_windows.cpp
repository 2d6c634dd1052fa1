// Every calculator as a desktop window: it fits a laptop's screen, gives back the room of
// hidden rows, and works from the keyboard: the focus starts in the first dimension box,
// Return or Enter calculates from anywhere, Escape exits, and Tab enters the unit group at
// the selected unit.
#include "form_driver.h"

#include <QPushButton>

namespace {

// 1366 × 768 less a desktop panel and the window's title bar
constexpr int LaptopHeight = 700;

} // namespace

class CalculatorWindowsTest : public QObject {
    Q_OBJECT

    CalculatorDriver ui;

    bool calculated() const
    {
        return !ui.window().resultLabels().front()->text().isEmpty() &&
               !ui.window().weightResult()->text().isEmpty();
    }

private slots:
    void cleanup()
    {
        QVERIFY(ui.services.messages.isEmpty());
        ui.close();
    }

    void fitsALaptopScreen_data()
    {
        QTest::addColumn<MakeForm>("make");
        QTest::addColumn<QString>("variant");
        for (const Calculator& calculator : Calculators)
            QTest::newRow(calculator.name) << calculator.make << QString();
        QTest::newRow("solid bar") << MakeForm(makeForm<Form2>) << "Check1";
        QTest::newRow("T-section") << MakeForm(makeForm<Form7>) << "Check1";
        QTest::newRow("angle") << MakeForm(makeForm<Form8>) << "Check1";
        QTest::newRow("Z-angle") << MakeForm(makeForm<Form9>) << "Check1";
    }
    void fitsALaptopScreen()
    {
        QFETCH(MakeForm, make);
        QFETCH(QString, variant);
        ui.open(make);
        if (!variant.isEmpty())
            ui.click(variant);
        ui.click("Command1"); // results take their room
        QApplication::processEvents();
        QVERIFY2(ui.window().frameGeometry().height() <= LaptopHeight,
                 qPrintable(QString::number(ui.window().frameGeometry().height())));
        // nothing is cut off: the window is as large as its contents need
        QVERIFY(ui.window().height() >= ui.window().minimumSizeHint().height());
        const QWidget* exit = ui.control("Command2");
        QVERIFY(exit->mapTo(&ui.window(), QPoint(0, exit->height())).y() <= ui.window().height());
    }

    void hiddenRowsGiveBackTheirRoom()
    {
        ui.open(makeForm<Form2>);
        const int tube = ui.window().height();
        ui.click("Check1"); // the solid bar hides the wall's row
        QApplication::processEvents();
        QVERIFY2(ui.window().height() <= tube - ui.control("Text2")->height(),
                 qPrintable(QString("%1 of %2").arg(ui.window().height()).arg(tube)));
        ui.click("Check1");
        QApplication::processEvents();
        QCOMPARE(ui.window().height(), tube);
    }

    void focusStartsInTheFirstDimensionBox_data()
    {
        QTest::addColumn<MakeForm>("make");
        QTest::addColumn<QString>("firstBox");
        for (const Calculator& calculator : Calculators)
            QTest::newRow(calculator.name) << calculator.make << calculator.firstBox;
    }
    void focusStartsInTheFirstDimensionBox()
    {
        QFETCH(MakeForm, make);
        QFETCH(QString, firstBox);
        ui.open(make);
        QCOMPARE(ui.focused(), firstBox);
        // a digit typed at once goes into the box, not into the precision list
        const QString before = qobject_cast<QLineEdit*>(ui.control(firstBox))->text();
        ui.press(Qt::Key_7);
        QCOMPARE(qobject_cast<QLineEdit*>(ui.control(firstBox))->text().size(), before.size() + 1);
        QCOMPARE(qobject_cast<QComboBox*>(ui.control("Combo1"))->currentText(), QString("1000"));
    }

    void returnOrEnterCalculates_data()
    {
        QTest::addColumn<MakeForm>("make");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        for (const Calculator& calculator : Calculators)
            QTest::addRow("%s: Return in the first box", calculator.name)
                << calculator.make << calculator.firstBox << int(Qt::Key_Return)
                << Qt::KeyboardModifiers();
        const MakeForm round = makeForm<Form2>;
        QTest::newRow("Enter of the keypad")
            << round << "Text2" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        for (const char* focus : {"Combo1", "Check1", "Option2", "Text3", "Command1"})
            QTest::addRow("Return on %s", focus)
                << round << focus << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    }
    void returnOrEnterCalculates()
    {
        QFETCH(MakeForm, make);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        ui.open(make);
        ui.control(focus)->setFocus();
        QCOMPARE(ui.focused(), focus);
        QVERIFY(!calculated());
        ui.press(key, modifiers);
        QVERIFY(calculated());
        QVERIFY(ui.window().isVisible());
        QVERIFY(qobject_cast<QPushButton*>(ui.control("Command1"))->isDefault());
    }

    void returnOnTheOtherButtonsPressesThem()
    {
        ui.open(makeForm<Form2>);
        ui.services.acceptPrinter = false;
        ui.control("Command3")->setFocus();
        ui.press(Qt::Key_Return);
        QCOMPARE(ui.services.printerDialogs, 1);
        ui.control("Command2")->setFocus();
        ui.press(Qt::Key_Return);
        QVERIFY(!ui.window().isVisible());
        QVERIFY(!calculated());
    }

    void escapeExits_data()
    {
        QTest::addColumn<MakeForm>("make");
        QTest::addColumn<bool>("unloads");
        QTest::newRow("hides") << MakeForm(makeForm<Form2>) << false;
        QTest::newRow("unloads") << MakeForm(makeForm<Form3>) << true;
    }
    void escapeExits()
    {
        QFETCH(MakeForm, make);
        QFETCH(bool, unloads);
        ui.open(make);
        ui.press(Qt::Key_Escape);
        QVERIFY(!ui.isOpen() || !ui.window().isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(!ui.isOpen(), unloads);
    }

    void tabEntersTheUnitsAtTheSelectedOne_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::newRow("centimetre, as designed") << "Option2";
        QTest::newRow("millimetre") << "Option1";
        QTest::newRow("metre") << "Option3";
    }
    void tabEntersTheUnitsAtTheSelectedOne()
    {
        QFETCH(QString, selected);
        ui.open(makeForm<Form4>);
        ui.click(selected);
        ui.control("Combo1")->setFocus();
        ui.press(Qt::Key_Tab);
        QCOMPARE(ui.focused(), selected);
        ui.press(Qt::Key_Tab); // one stop for the whole group
        QCOMPARE(ui.focused(), QString("Text5"));
        ui.press(Qt::Key_Backtab);
        QCOMPARE(ui.focused(), selected);
    }
};

QTEST_MAIN(CalculatorWindowsTest)
#include "tst_calculator_windows.moc"
