// Every calculator as a desktop window: it fits a laptop's screen, gives back the room of
// hidden rows, and works from the keyboard: the focus starts in the first dimension box,
// Return or Enter calculates from anywhere, Escape exits, and Tab enters the unit group at
// the selected unit.
#include "calculators.h"
#include "form_test_support.h"
#include "recording_services.h"

#include <QPointer>
#include <QPushButton>

#include <functional>

namespace {

// 1366 × 768 less a desktop panel and the window's title bar
constexpr int LaptopHeight = 700;

} // namespace

class CalculatorWindowsTest : public QObject {
    Q_OBJECT

    RecordingServices services;
    std::unique_ptr<ModalWindowGuard> guard;
    QPointer<SectionForm> form;

    void open(const MakeForm& make)
    {
        form = make(services);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    QWidget* control(const QString& name) const
    {
        auto* found = form->findChild<QWidget*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    static QString focused()
    {
        QWidget* widget = QApplication::focusWidget();
        // the precision list's text box stands for the list
        if (widget && qobject_cast<QComboBox*>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    bool calculated() const
    {
        return !form->resultLabels().front()->text().isEmpty() &&
               !form->weightResult()->text().isEmpty();
    }

private slots:
    void init()
    {
        services = RecordingServices();
        guard = std::make_unique<ModalWindowGuard>();
    }
    void cleanup()
    {
        delete form.data();
        QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
        QVERIFY(services.messages.isEmpty());
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
        open(make);
        if (!variant.isEmpty())
            clickIndicator(control(variant));
        QTest::mouseClick(control("Command1"), Qt::LeftButton); // results take their room
        QApplication::processEvents();
        QVERIFY2(form->frameGeometry().height() <= LaptopHeight,
                 qPrintable(QString::number(form->frameGeometry().height())));
        // nothing is cut off: the window is as large as its contents need
        QVERIFY(form->height() >= form->minimumSizeHint().height());
        const QWidget* exit = control("Command2");
        QVERIFY(exit->mapTo(form, QPoint(0, exit->height())).y() <= form->height());
    }

    void hiddenRowsGiveBackTheirRoom()
    {
        open(makeForm<Form2>);
        const int tube = form->height();
        clickIndicator(control("Check1")); // the solid bar hides the wall's row
        QApplication::processEvents();
        QVERIFY2(form->height() <= tube - control("Text2")->height(),
                 qPrintable(QString("%1 of %2").arg(form->height()).arg(tube)));
        clickIndicator(control("Check1"));
        QApplication::processEvents();
        QCOMPARE(form->height(), tube);
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
        open(make);
        QCOMPARE(focused(), firstBox);
        // a digit typed at once goes into the box, not into the precision list
        const QString before = qobject_cast<QLineEdit*>(control(firstBox))->text();
        press(Qt::Key_7);
        QCOMPARE(qobject_cast<QLineEdit*>(control(firstBox))->text().size(), before.size() + 1);
        QCOMPARE(qobject_cast<QComboBox*>(control("Combo1"))->currentText(), QString("1000"));
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
        open(make);
        control(focus)->setFocus();
        QCOMPARE(focused(), focus);
        QVERIFY(!calculated());
        press(key, modifiers);
        QVERIFY(calculated());
        QVERIFY(form->isVisible());
        QVERIFY(qobject_cast<QPushButton*>(control("Command1"))->isDefault());
    }

    void returnOnTheOtherButtonsPressesThem()
    {
        open(makeForm<Form2>);
        services.acceptPrinter = false;
        control("Command3")->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(services.printerDialogs, 1);
        control("Command2")->setFocus();
        press(Qt::Key_Return);
        QVERIFY(!form->isVisible());
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
        open(make);
        press(Qt::Key_Escape);
        QVERIFY(form.isNull() || !form->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(form.isNull(), unloads);
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
        open(makeForm<Form4>);
        clickIndicator(control(selected));
        control("Combo1")->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), selected);
        press(Qt::Key_Tab); // one stop for the whole group
        QCOMPARE(focused(), QString("Text5"));
        press(Qt::Key_Backtab);
        QCOMPARE(focused(), selected);
    }
};

QTEST_MAIN(CalculatorWindowsTest)
#include "tst_calculator_windows.moc"
