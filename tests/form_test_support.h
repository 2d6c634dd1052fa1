#pragma once

// Driving a calculator as a user would: typing, clicking and reading what is shown.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

// Replaces the text of `box` by typing, as a user selecting all and typing over it.
inline void typeInto(QWidget* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else // keyClicks cannot map non-Latin characters to keys
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Clicks a check box or option button on its indicator, where a user clicks it.
inline void clickIndicator(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Clicks a control as a user does: a check box or option button on its indicator, anything
// else in its middle.
inline void clickControl(QWidget* control)
{
    const QString name = control->objectName();
    if (name.startsWith(QLatin1String("Option")) || name.startsWith(QLatin1String("Check")))
        clickIndicator(control);
    else
        QTest::mouseClick(control, Qt::LeftButton);
}

// Opens the list and clicks the entry, as a user picking it with the mouse.
inline void pickEntry(QComboBox* list, const QString& entry)
{
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QModelIndex index = view->model()->index(list->findText(entry), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// A number as the program writes it under the current locale: "16.893" or "16,893".
inline QString local(QString number)
{
    return number.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

inline QString accessibleText(QWidget* widget, QAccessible::Text which)
{
    return QAccessible::queryAccessibleInterface(widget)->text(which);
}
