#pragma once

// One calculator window under test, driven by its control names as a user drives it, with
// the messages it shows recorded and any stray modal window caught.

#include "form_test_support.h"
#include "recording_services.h"
#include "section_form.h"

#include <QCheckBox>
#include <QRadioButton>

#include <memory>

template <typename Form> class FormDriver {
public:
    RecordingServices services;

    // Opens a fresh form as the menu does; the previous one is closed.
    void open()
    {
        close();
        services = RecordingServices();
        guard = std::make_unique<ModalWindowGuard>();
        form = std::make_unique<Form>(services);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    // Closes the form; a modal window that had to be closed fails the test.
    void close()
    {
        form.reset();
        if (guard)
            QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
        guard.reset();
    }

    Form& window() const { return *form; }

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
    bool enabled(const QString& name) const { return control(name)->isEnabled(); }
    bool ticked(const QString& name) const { return control<QCheckBox>(name)->isChecked(); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // Buttons are pressed, check boxes and options clicked on their indicators.
    void click(const QString& name) { clickControl(control(name)); }
    void type(const QString& box, const QString& text) { typeInto(control(box), text); }

private:
    std::unique_ptr<ModalWindowGuard> guard;
    std::unique_ptr<Form> form;
};

// Numbers as the program writes them under the current locale.
inline QStringList localNumbers(QStringList numbers)
{
    for (QString& number : numbers)
        number = local(number);
    return numbers;
}
