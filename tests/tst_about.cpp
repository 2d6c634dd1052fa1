// The About box: its texts, closing it from the keyboard, the system-information button
// with the recorded services and with the real ones.
#include "desktop_services.h"
#include "form_test_support.h"
#include "frm_about.h"
#include "recording_services.h"
#include "section_form.h"
#include "velkor.h"
#include "velkor_paths.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Fake system-information tools in a directory of their own. A working one leaves a
// "<name>.started" file beside itself; a broken one names an interpreter that does not exist.
void installTool(const QString& dir, const QString& name, bool works)
{
    QFile tool(dir + QLatin1Char('/') + name);
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write(works ? "#!/bin/sh\necho > \"$0.started\"\n" : "#!/nonexistent/sh\n");
    tool.close();
    QVERIFY(tool.setPermissions(tool.permissions() | QFile::ExeOwner));
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

    RecordingServices services;
    std::unique_ptr<ModalWindowGuard> guard;
    QPointer<frmAbout> box;

    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* found = box->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    // The visible top-level windows of one kind.
    template <typename T> static QList<T*> windows()
    {
        QList<T*> found;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* typed = qobject_cast<T*>(window); typed && typed->isVisible())
                found << typed;
        return found;
    }

private slots:
    void init()
    {
        services = RecordingServices();
        guard = std::make_unique<ModalWindowGuard>();
        box = new frmAbout(services);
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box));
    }
    void cleanup()
    {
        delete box.data();
        if (guard)
            QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
    }

    void showsCaptionAndVersion()
    {
        QCOMPARE(box->windowTitle(), QString("About Velkor"));
        QCOMPARE(control<QLabel>("lblVersion")->text(), "Version " + local("3.7") + ",   2004");
        QVERIFY(!box->isModal());
    }

    void controlsShowTheirTextsAndHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("title") << "lblTitle"
                               << "Velkor"
                               << ""
                               << "Velkor";
        QTest::newRow("description") << "lblDescription"
                                     << "Расчет геометрических характеристик сечений"
                                     << "Calculation of geometrical properties of cross-sections"
                                     << "Расчет геометрических характеристик сечений";
        const QString note =
            "Программа работает корректно когда в качестве разделителя целой и дробной части "
            "числа стоит \".\" (точка).    Чтобы установить, зайдите в \"Панель управления\"- "
            "\"Язык и стандарты\" и в закладке \"Числа\" установите разделитель дробной и целой "
            "части \".\" (точку).";
        QTest::newRow("separator note")
            << "Label3" << note
            << "Select \".\" for digital separator in \"Control panel\" - \"Regional settings\" "
               "- \"Digits\"."
            << note;
        const QString disclaimer =
            "Эта программа разработана \"как-есть\". Автор не берет на себя никакой "
            "ответственности за прямые, косвенные, непредвиденные или последующие убытки, "
            "потери и\\или расходы в связи с, или из-за, использования, или неспособность "
            "использовать программу для любой цели.";
        QTest::newRow("disclaimer")
            << "lblDisclaimer" << disclaimer
            << "This program is provided \"as is\".  Author cannot accept any liability for "
               "direct, indirect, incidental or consequential damages, losses and or expenses "
               "in connection with, or by reason of, the use of, or inability to use the "
               "program for any purpose."
            << disclaimer;
        // the author and where to write point to what is installed with the program
        QTest::newRow("author") << "Label1"
                                << "Автор: разработчики Velkor (man velkor)"
                                << "Author"
                                << "Автор: разработчики Velkor (man velkor)";
        const QString contact = "Замечания и предложения: " + QString::fromUtf8(velkor::ReadmePath);
        QTest::newRow("contact") << "Label2" << contact << "Comments and suggestions" << contact;
        QTest::newRow("OK") << "cmdOK"
                            << "OK"
                            << "Выход"
                            << "OK";
        QTest::newRow("system info") << "cmdSysInfo"
                                     << "&System Info..."
                                     << "Информация о Вашем компъютере"
                                     << "System Info...";
    }
    void controlsShowTheirTextsAndHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QString, accessibleName);
        QWidget* widget = control(name);
        QVERIFY(widget->isVisible());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->textFormat(), Qt::PlainText); // the runs of blanks are shown
        } else {
            QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), text);
        }
        QCOMPARE(widget->toolTip(), toolTip);
        QCOMPARE(accessibleText(widget, QAccessible::Name), accessibleName);
        QCOMPARE(accessibleText(widget, QAccessible::Description), toolTip);
    }

    void keysPressOkAndUnloadTheBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void keysPressOkAndUnloadTheBox()
    {
        QFETCH(int, key);
        QSignalSpy ok(control<QPushButton>("cmdOK"), &QPushButton::clicked);
        // to the focused control, as a user types
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key));
        QCOMPARE(ok.count(), 1);
        QTRY_VERIFY(box.isNull()); // deleted, not merely hidden
    }

    void systemInfo_data()
    {
        QTest::addColumn<bool>("toolStarts");
        QTest::addColumn<bool>("byAccessKey");
        QTest::newRow("tool starts") << true << false;
        QTest::newRow("no tool") << false << false;
        QTest::newRow("no tool, Alt+S") << false << true;
    }
    void systemInfo()
    {
        QFETCH(bool, toolStarts);
        QFETCH(bool, byAccessKey);
        services.systemInformationStarts = toolStarts;
        if (byAccessKey)
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_S, Qt::AltModifier);
        else
            QTest::mouseClick(control("cmdSysInfo"), Qt::LeftButton);

        QTRY_COMPARE(services.systemInformationRequests, 1); // an access key animates the click
        using Message = std::pair<QString, QString>;
        const QList<Message> expected =
            toolStarts ? QList<Message>{} : QList<Message>{{"Velkor", Unavailable}};
        QCOMPARE(services.titledMessages, expected);
        QVERIFY(services.messages.isEmpty()); // not an error box
        QTest::qWait(10);
        QVERIFY(!box.isNull());
        QVERIFY(box->isVisible());
    }

    void menuStaysUsableWhileTheBoxIsOpen()
    {
        delete box.data(); // only the menu's own box here
        Velkor menu(services);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::mouseClick(menu.findChild<QPushButton*>("Command4"), Qt::LeftButton);
        const QList<frmAbout*> boxes = windows<frmAbout>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        QTest::mouseClick(menu.findChild<QPushButton*>("Command3"), Qt::LeftButton);
        QCOMPARE(windows<SectionForm>().size(), 1);
        QCOMPARE(windows<frmAbout>(), boxes);
    }

    // The real platform side of "&System Info...": the first Linux tool on the PATH that
    // starts, in a fixed order of preference.
    void realLauncherStartsTheFirstToolThatStarts_data()
    {
        QTest::addColumn<QStringList>("working");
        QTest::addColumn<QStringList>("broken");
        QTest::addColumn<QString>("started"); // empty: none, and the call reports failure
        QTest::newRow("no tool") << QStringList{} << QStringList{} << "";
        QTest::newRow("the last choice only")
            << QStringList{"gnome-system-monitor"} << QStringList{} << "gnome-system-monitor";
        QTest::newRow("the first choice wins")
            << QStringList{"gnome-system-monitor", "kinfocenter", "hardinfo2", "hardinfo"}
            << QStringList{} << "hardinfo";
        QTest::newRow("a broken tool gives way")
            << QStringList{"kinfocenter"} << QStringList{"hardinfo", "hardinfo2"} << "kinfocenter";
        QTest::newRow("only broken tools")
            << QStringList{} << QStringList{"hardinfo", "gnome-system-monitor"} << "";
    }
    void realLauncherStartsTheFirstToolThatStarts()
    {
        QFETCH(QStringList, working);
        QFETCH(QStringList, broken);
        QFETCH(QString, started);
        QTemporaryDir tools;
        QVERIFY(tools.isValid());
        for (const QString& name : working)
            installTool(tools.path(), name, true);
        for (const QString& name : broken)
            installTool(tools.path(), name, false);
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(tools.path()));

        DesktopServices desktop;
        QCOMPARE(desktop.startSystemInformation(), !started.isEmpty());
        const QDir dir(tools.path());
        if (!started.isEmpty())
            QTRY_VERIFY(dir.exists(started + ".started"));
        QTest::qWait(50); // time for a wrongly started second tool to show itself
        const QStringList expected =
            started.isEmpty() ? QStringList{} : QStringList{started + ".started"};
        QCOMPARE(dir.entryList({"*.started"}, QDir::Files), expected);
    }

    void realUnavailableMessageHasTheApplicationTitleAndOk()
    {
        guard.reset(); // this box is meant to appear; it is closed below
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!message)
                return;
            title = message->windowTitle();
            text = message->text();
            icon = message->icon();
            buttons = message->standardButtons();
            message->button(QMessageBox::Ok)->click();
        });
        DesktopServices desktop;
        desktop.showMessage(box, "Velkor", Unavailable);
        QCOMPARE(title, QString("Velkor"));
        QCOMPARE(text, Unavailable);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box->isVisible());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
