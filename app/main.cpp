// velkor [--quit-after-first-paint] [Qt options]
//
// --quit-after-first-paint  a diagnostic for measuring start-up: the program ends as soon
//                           as the main menu has been painted for the first time
//                           (bench/run.sh compares it with a bare Qt window).
#include "desktop_services.h"
#include "quit_after_first_paint.h"
#include "section_pictures.h"
#include "velkor.h"

#include <QApplication>
#include <QIcon>

#include <cstring>

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
