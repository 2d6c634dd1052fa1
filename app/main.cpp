// velkor [--quit-after-first-paint] [Qt options]
//
// --quit-after-first-paint  a diagnostic for measuring start-up: the program ends as soon
//                           as the main menu has been painted for the first time
//                           (bench/run.sh compares it with a bare Qt window).
#include "desktop_services.h"
#include "section_pictures.h"
#include "velkor.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

#include <cstring>

namespace {

// Ends the event loop once the watched widget has been painted: the quit is queued, so
// the paint event that triggers it is completed and flushed first.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv); // takes out the options Qt knows
    bool quitAfterFirstPaint = false;
    for (int k = 1; k < argc; ++k)
        quitAfterFirstPaint =
            quitAfterFirstPaint || std::strcmp(argv[k], "--quit-after-first-paint") == 0;

    QApplication::setApplicationName(QStringLiteral("Velkor"));
    QApplication::setWindowIcon(QIcon(logoPicture()));

    DesktopServices services;
    Velkor menu(services);
    QObject::connect(&menu, &Velkor::exitRequested, &app, &QApplication::quit);
    QuitAfterFirstPaint quitter;
    if (quitAfterFirstPaint)
        menu.installEventFilter(&quitter);
    menu.show();
    return QApplication::exec();
}
