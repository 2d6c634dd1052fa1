// Where the windows open: each calculator and the About box beside the main menu, wholly on
// the screen that shows the menu, later ones cascading. Runs on two virtual screens side by
// side: a 1366 × 768 laptop and a 1280 × 1024 monitor to its right.
#include "form_test_support.h"
#include "frm_about.h"
#include "recording_services.h"
#include "section_form.h"
#include "velkor.h"
#include "window_placement.h"

#include <QPushButton>
#include <QScreen>

#include <memory>

Q_DECLARE_METATYPE(QRect)

class PlacementTest : public QObject {
    Q_OBJECT

    RecordingServices services;
    std::unique_ptr<ModalWindowGuard> guard;
    std::unique_ptr<Velkor> menu;

    static QScreen* screenNamed(const QString& name)
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name)
                return screen;
        qFatal("no screen %s", qPrintable(name));
    }
    // The menu shown with its frame's top left corner at `corner`.
    void showMenu(QPoint corner)
    {
        menu = std::make_unique<Velkor>(services);
        menu->adjustSize();
        menu->move(corner);
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    }
    QWidget* opened(const QString& button)
    {
        QWidget* window = button == "Command4" ? static_cast<QWidget*>(menu->showAbout())
                                               : menu->showSectionForm(button);
        if (!QTest::qWaitForWindowExposed(window))
            qFatal("%s opened nothing", qPrintable(button));
        return window;
    }

private slots:
    void init() { guard = std::make_unique<ModalWindowGuard>(); }
    void cleanup()
    {
        menu.reset();
        QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
    }

    void placeBeside_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("cascade");
        QTest::addColumn<QPoint>("expected");
        const QRect menuAtTopLeft(0, 0, 560, 240);
        QTest::newRow("right") << menuAtTopLeft << QSize(715, 670) << 0 << QPoint(560, 0);
        QTest::newRow("cascading on the right")
            << menuAtTopLeft << QSize(600, 540) << 2 << QPoint(608, 48);
        // room for three steps: the fifth window is one step from the start
        QTest::newRow("a cascade starts again where the room ends")
            << menuAtTopLeft << QSize(715, 670) << 5 << QPoint(584, 24);
        QTest::newRow("below, with no room on the right")
            << QRect(600, 0, 560, 240) << QSize(715, 500) << 0 << QPoint(600, 240);
        QTest::newRow("left, with no room on the right or below")
            << QRect(780, 100, 560, 240) << QSize(715, 600) << 0 << QPoint(65, 100);
        QTest::newRow("cascading on the left, away from the anchor")
            << QRect(780, 100, 560, 240) << QSize(715, 600) << 1 << QPoint(41, 124);
        QTest::newRow("above") << QRect(400, 500, 560, 240) << QSize(900, 480) << 0
                               << QPoint(400, 20);
        QTest::newRow("nowhere: right, pushed onto the screen")
            << QRect(400, 250, 560, 240) << QSize(715, 670) << 0 << QPoint(651, 98);
        QTest::newRow("larger than the screen: its corner stays on it")
            << menuAtTopLeft << QSize(1500, 900) << 0 << QPoint(0, 0);
    }
    void placeBeside()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(int, cascade);
        QFETCH(QPoint, expected);
        const QRect screen(0, 0, 1366, 768);
        QCOMPARE(::placeBeside(anchor, size, screen, cascade), expected);
    }

    void windowsOpenBesideTheMenu_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QPoint>("corner"); // of the menu on that screen
        QTest::addColumn<QStringList>("buttons");
        const QStringList largest = {"Command11", "Command12", "Command10", "Command2", "Command4"};
        QTest::newRow("laptop, menu in the corner") << "laptop" << QPoint(0, 0) << largest;
        QTest::newRow("laptop, menu at the right edge") << "laptop" << QPoint(800, 0) << largest;
        QTest::newRow("monitor, menu at the top") << "monitor" << QPoint(300, 0) << largest;
        QTest::newRow("monitor, menu at the right edge")
            << "monitor" << QPoint(700, 500) << QStringList{"Command4", "Command3"};
    }
    void windowsOpenBesideTheMenu()
    {
        QFETCH(QString, screen);
        QFETCH(QPoint, corner);
        QFETCH(QStringList, buttons);
        const QRect available = screenNamed(screen)->availableGeometry();
        showMenu(available.topLeft() + corner);
        QCOMPARE(menu->screen()->name(), screen);
        for (const QString& button : buttons) {
            const QWidget* window = opened(button);
            const QRect frame = window->frameGeometry();
            QVERIFY2(available.contains(frame), qPrintable(button));
            QCOMPARE(window->screen()->name(), screen);
            QVERIFY2(!frame.intersects(menu->frameGeometry()), qPrintable(button));
        }
    }

    void laterWindowsCascade()
    {
        showMenu({0, 0});
        const QPoint first = opened("Command11")->frameGeometry().topLeft();
        QCOMPARE(first, QPoint(menu->frameGeometry().right() + 1, 0));
        QCOMPARE(opened("Command10")->frameGeometry().topLeft(), first + QPoint(24, 24));
        QCOMPARE(opened("Command4")->frameGeometry().topLeft(), first + QPoint(48, 48));
    }

    void aHiddenCalculatorReopensWhereTheUserLeftIt()
    {
        showMenu({0, 0});
        QWidget* form = opened("Command7");
        form->move(form->pos() + QPoint(40, 30));
        const QPoint moved = form->pos();
        QTest::mouseClick(form->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCOMPARE(opened("Command7"), form);
        QCOMPARE(form->pos(), moved);
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELKOR_SCREENS);
    QApplication app(argc, argv);
    PlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placement.moc"
