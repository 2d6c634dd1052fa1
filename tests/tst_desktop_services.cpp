// The real message box, closed by a timer as a user would close it.
#include "desktop_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class DesktopServicesTest : public QObject {
    Q_OBJECT

private slots:
    void errorBoxIsModalWithTitleIconAndOk()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::Ok)->click();
        });
        DesktopServices services;
        services.showError(nullptr, QStringLiteral("D должно быть больше нуля"));
        QCOMPARE(title, QString("Ошибка!"));
        QCOMPARE(text, QString("D должно быть больше нуля"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

QTEST_MAIN(DesktopServicesTest)
#include "tst_desktop_services.moc"
