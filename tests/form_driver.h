#pragma once

// One calculator window under test, driven by its control names as a user drives it, with
// the messages it shows recorded and any stray modal window caught.

#include "calculators.h"
#include "form_test_support.h"
#include "recording_services.h"
#include "section_form.h"

#include <QCheckBox>
#include <QPointer>
#include <QRadioButton>

#include <memory>

// What a calculator says of dimensions it cannot calculate with.
inline const QString WrongData = QStringLiteral("Введены ошибочные данные");

// Drives whichever calculator it opened: for tests that run over several of them.
class CalculatorDriver {
public:
    RecordingServices services;

    CalculatorDriver() = default;
    CalculatorDriver(const CalculatorDriver&) = delete;
    CalculatorDriver& operator=(const CalculatorDriver&) = delete;
    ~CalculatorDriver() { delete form.data(); }

    // Opens a fresh form as the menu does; the previous one is closed.
    void open(const MakeForm& make)
    {
        close();
        services = RecordingServices();
        guard = std::make_unique<ModalWindowGuard>();
        form = make(services);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.data()));
    }
    // Closes the form; a modal window that had to be closed fails the test.
    void close()
    {
        delete form.data();
        if (guard)
            QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
        guard.reset();
    }

    SectionForm& window() const { return *form; }
    // False once a form that unloads on «Выход» has been destroyed.
    bool isOpen() const { return !form.isNull(); }

    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* found = form->template findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString& label) const { return control<QLabel>(label)->text(); }
    QStringList texts(const QStringList& labels) const
    {
        QStringList shown;
        for (const QString& label : labels)
            shown << text(label);
        return shown;
    }
    QString boxText(const QString& box) const { return control<QLineEdit>(box)->text(); }
    QStringList boxTexts(const QStringList& boxes) const
    {
        QStringList typed;
        for (const QString& box : boxes)
            typed << boxText(box);
        return typed;
    }
    bool enabled(const QString& name) const { return control(name)->isEnabled(); }
    bool ticked(const QString& name) const { return control<QCheckBox>(name)->isChecked(); }
    // The control with the focus; the precision list's text box stands for the list.
    QString focused() const
    {
        QWidget* widget = QApplication::focusWidget();
        if (widget && qobject_cast<QComboBox*>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }
    // The text a control shows: a label's, a button's or a check box's caption, a box's
    // contents.
    QString shownText(const QString& name) const
    {
        QWidget* widget = control(name);
        if (auto* label = qobject_cast<QLabel*>(widget))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text();
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            return box->text();
        qFatal("%s shows no text", qPrintable(name));
    }
    // The test of a table made by addCaptionColumns(): its control shows the row's text and
    // tooltip.
    void verifyCaption() const
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QCOMPARE(shownText(name), text);
        QCOMPARE(control(name)->toolTip(), toolTip);
    }
    // Every result the frame shows, the weight last.
    QStringList results() const
    {
        QStringList shown;
        for (const QLabel* label : form->resultLabels())
            shown << label->text();
        return shown << form->weightResult()->text();
    }

    // Buttons are pressed, check boxes and options clicked on their indicators.
    void click(const QString& name) { clickControl(control(name)); }
    void type(const QString& box, const QString& text) { typeInto(control(box), text); }
    // Steps as a table writes them: "Text1=20" types 20 into Text1, any other step clicks
    // the control it names.
    void perform(const QStringList& steps)
    {
        for (const QString& step : steps) {
            if (step.contains(QLatin1Char('=')))
                type(step.section(QLatin1Char('='), 0, 0), step.section(QLatin1Char('='), 1));
            else
                click(step);
        }
    }
    // Calculates, then performs `steps` and calculates again: that run is refused with
    // `message` alone and changes no result.
    void verifyRefusedAfterCalculating(const QStringList& steps, const QString& message)
    {
        click(QStringLiteral("Command1"));
        const QStringList before = results();
        perform(steps);
        click(QStringLiteral("Command1"));
        QCOMPARE(services.messages, QStringList{message});
        QCOMPARE(results(), before);
    }
    // Picks an entry of the precision list with the mouse.
    void pickPrecision(const QString& entry) { pickEntry(control<QComboBox>("Combo1"), entry); }
    // A key pressed where the focus is.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    // The first `count` stops of the focus chain from `first`: the controls Tab reaches,
    // with the precision list as one stop; disabled ones count unless `enabledOnly`.
    QStringList tabStops(const QString& first, qsizetype count, bool enabledOnly = false) const
    {
        QStringList stops;
        QWidget* widget = control(first);
        auto* list = control<QComboBox>("Combo1");
        while (stops.size() < count) {
            stops << widget->objectName();
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus) ||
                   (enabledOnly && !widget->isEnabled()) || widget->parentWidget() == list);
        }
        return stops;
    }

protected:
    QPointer<SectionForm> form;

private:
    std::unique_ptr<ModalWindowGuard> guard;
};

// Drives one kind of calculator and knows it for what it is.
template <typename Form> class FormDriver : public CalculatorDriver {
public:
    using CalculatorDriver::open;
    void open() { open(makeForm<Form>); }
    Form& window() const { return static_cast<Form&>(*form); }
};

// A table of controls by name, with the text and the tooltip each shows.
inline void addCaptionColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
}

// Numbers as the program writes them under the current locale.
inline QStringList localNumbers(QStringList numbers)
{
    for (QString& number : numbers)
        number = local(number);
    return numbers;
}
