// The main menu: what it shows, opening calculators once, and ending the program.
#include "form_test_support.h"
#include "frm_about.h"
#include "recording_services.h"
#include "section_form.h"
#include "velkor.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

class MenuTest : public QObject {
    Q_OBJECT

    RecordingServices services;
    std::unique_ptr<ModalWindowGuard> guard;
    std::unique_ptr<Velkor> menu;

    QPushButton* button(const QString& name) const
    {
        auto* found = menu->findChild<QPushButton*>(name);
        if (!found)
            qFatal("no button %s", qPrintable(name));
        return found;
    }

    static QList<SectionForm*> openForms()
    {
        QList<SectionForm*> forms;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<SectionForm*>(window))
                forms << form;
        return forms;
    }

    static QList<frmAbout*> aboutBoxes()
    {
        QList<frmAbout*> boxes;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<frmAbout*>(window))
                boxes << box;
        return boxes;
    }

private slots:
    void init()
    {
        guard = std::make_unique<ModalWindowGuard>();
        menu = std::make_unique<Velkor>(services);
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    }
    void cleanup()
    {
        menu.reset();
        QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
    }

    void showsTitleAndVersion()
    {
        QCOMPARE(menu->windowTitle(), QString("Velkor"));
        QCOMPARE(menu->findChild<QLabel*>("Label1")->text(), QString("Velkor"));
        QCOMPARE(menu->findChild<QLabel*>("Label1")->toolTip(), QString("Velkor "));
        QCOMPARE(menu->findChild<QLabel*>("Label4")->text(), "Version " + local("3.7") + " - 2004");
        QCOMPARE(menu->findChild<QLabel*>("Image2")->toolTip(), "Velkor v." + local("3.7"));
        QCOMPARE(menu->findChild<QLabel*>("Label3")->text(),
                 QString("Для расчета щелкните по кнопочке с изображением нужного сечения"));
    }

    void sectionButtonsAreNamedByTheirToolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("available");
        QTest::newRow("round") << "Command3"
                               << "Круглое сечение /труба/" << true;
        QTest::newRow("box tube") << "Command2"
                                  << "Прямоугольная /квадратная/ труба" << true;
        QTest::newRow("rectangle") << "Command5"
                                   << "Квадрат\\ прямоугольник" << true;
        QTest::newRow("rhombus") << "Command7"
                                 << "Ромб" << true;
        QTest::newRow("hexagon") << "Command8"
                                 << "Шестигранник" << true;
        QTest::newRow("cross") << "Command9"
                               << "Крест" << true;
        QTest::newRow("I-beam") << "Command10"
                                << "Двутавр/Тавр" << true;
        QTest::newRow("channel") << "Command11"
                                 << "Швеллер/Уголок" << true;
        QTest::newRow("Z") << "Command12"
                           << "Z-сечение" << true;
    }
    void sectionButtonsAreNamedByTheirToolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(bool, available);
        QPushButton* section = button(name);
        QVERIFY(section->isVisible());
        QCOMPARE(section->isEnabled(), available);
        QCOMPARE(section->toolTip(), toolTip);
        QCOMPARE(accessibleText(section, QAccessible::Name), toolTip);
        QVERIFY(!section->icon().isNull());
    }

    void tabOrderFollowsTheRows()
    {
        const QStringList expected = {"Command3",  "Command2", "Command5",  "Command7",
                                      "Command8",  "Command9", "Command10", "Command11",
                                      "Command12", "Command4", "Command1"};
        QWidget* widget = button("Command3");
        for (const QString& name : expected) {
            QCOMPARE(widget->objectName(), name);
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus));
        }
    }

    void opensOneRoundCalculatorAndKeepsItsContents()
    {
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(openForms().size(), 1);
        SectionForm* form = openForms().front();
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QString("Круглая труба"));
        QVERIFY(form->parentWidget() == nullptr); // beside the menu, not owned by it

        typeInto(form->findChild<QLineEdit*>("Text1"), "20");
        QTest::mouseClick(form->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QTest::mouseClick(form->findChild<QWidget*>("Command2"), Qt::LeftButton);
        QVERIFY(!form->isVisible());

        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(openForms(), QList<SectionForm*>{form}); // the same form, not a second one
        QVERIFY(form->isVisible());
        QCOMPARE(form->findChild<QLineEdit*>("Text1")->text(), QString("20"));
        QVERIFY(!form->findChild<QLabel*>("Label24")->text().isEmpty());
    }

    void sectionButtonsOpenTheirCalculator_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rhombus") << "Command7"
                                 << "Ромб";
        QTest::newRow("hexagon") << "Command8"
                                 << "Шестигранное сечение";
        QTest::newRow("cross") << "Command9"
                               << "Крестообразное сечение";
    }
    void sectionButtonsOpenTheirCalculator()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(openForms().size(), 1);
        QVERIFY(openForms().front()->isVisible());
        QCOMPARE(openForms().front()->windowTitle(), caption);
    }

    void infoOpensOneAboutBoxUntilOkUnloadsIt()
    {
        QCOMPARE(button("Command4")->toolTip(), QString("Информация о программе"));
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QCOMPARE(aboutBoxes().size(), 1);
        QPointer<frmAbout> first = aboutBoxes().front();
        QVERIFY(first->isVisible());
        QVERIFY(first->parentWidget() == nullptr); // beside the menu, not owned by it

        QTest::mouseClick(first->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(first.isNull()); // unloaded, not hidden

        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QCOMPARE(aboutBoxes().size(), 1); // loaded anew
        QVERIFY(aboutBoxes().front()->isVisible());
    }

    void infoRightAfterOkStillOpensABox()
    {
        // "OK" closes the box at once but deletes it only when the event loop gets to it
        QPointer<frmAbout> closing = menu->showAbout();
        QTest::mouseClick(closing->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(aboutBoxes().size(), 1);
        QVERIFY(aboutBoxes().front()->isVisible());
    }

    void endingTheProgramClosesTheAboutBox()
    {
        QPointer<frmAbout> about = menu->showAbout();
        menu.reset();
        QVERIFY(about.isNull());
    }

    void onlyTheRectangleCalculatorUnloadsOnExit()
    {
        QPointer<SectionForm> first = menu->showSectionForm("Command5");
        typeInto(first->findChild<QLineEdit*>("Text1"), "8");
        QTest::mouseClick(first->findChild<QWidget*>("Command2"), Qt::LeftButton);
        QVERIFY(!first->isVisible());
        // reopened before the closed form is deleted: still a fresh one
        QTest::mouseClick(button("Command5"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(openForms().size(), 1);
        SectionForm* second = openForms().front();
        QVERIFY(second->isVisible());
        QCOMPARE(second->findChild<QLineEdit*>("Text1")->text(), QString("5"));

        // the box tube only hides and keeps what was typed
        QPointer<SectionForm> tube = menu->showSectionForm("Command2");
        typeInto(tube->findChild<QLineEdit*>("Text1"), "8");
        QTest::mouseClick(tube->findChild<QWidget*>("Command2"), Qt::LeftButton);
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!tube.isNull());
        QCOMPARE(tube->findChild<QLineEdit*>("Text1")->text(), QString("8"));
    }

    void exitEndsTheProgram()
    {
        QSignalSpy exit(menu.get(), &Velkor::exitRequested);
        menu->showSectionForm("Command3");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(exit.count(), 1);
    }

    void closingTheWindowEndsTheProgramToo()
    {
        QSignalSpy exit(menu.get(), &Velkor::exitRequested);
        menu->close();
        QCOMPARE(exit.count(), 1);
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
