// velkor [--help] [--version] [--quit-after-first-paint] [Qt options]
//
// --quit-after-first-paint  a diagnostic for measuring start-up: the program ends as soon
//                           as the main menu has been painted for the first time
//                           (bench/run.sh compares it with a bare Qt window).
#include "desktop_services.h"
#include "qt_translations.h"
#include "quit_after_first_paint.h"
#include "section_pictures.h"
#include "velkor.h"
#include "velkor_version.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstring>
#include <iostream>

namespace {

const char Usage[] =
    "usage: velkor [--help] [--version] [Qt options such as -platform NAME]\n"
    "\n"
    "Velkor computes the area, moments of inertia, section moduli, radii of gyration,\n"
    "static moments, centroid and weight per metre of nine kinds of cross-section.\n"
    "Pick a section on the main menu, type its dimensions and press «Вычислить».\n"
    "The same figures without a window: velkor-cli --help. Manual: man velkor.\n";

bool given(int argc, char* argv[], const char* option)
{
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], option) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // answered before Qt starts, so that they need no display and open no window
    if (given(argc, argv, "--help") || given(argc, argv, "-h")) {
        std::cout << Usage;
        return 0;
    }
    if (given(argc, argv, "--version")) {
        std::cout << "velkor " << velkor::VersionText << '\n';
        return 0;
    }

    QApplication app(argc, argv); // takes out the options Qt knows
    const bool quitAfterFirstPaint = given(argc, argv, "--quit-after-first-paint");
    QApplication::setApplicationName(QStringLiteral("Velkor"));
    QApplication::setApplicationVersion(QString::fromLatin1(velkor::VersionText));
    QApplication::setWindowIcon(QIcon(logoPicture()));
    installQtTranslations(app);

    DesktopServices services;
    Velkor menu(services);
    QObject::connect(&menu, &Velkor::exitRequested, &app, &QApplication::quit);
    QuitAfterFirstPaint quitter;
    if (quitAfterFirstPaint)
        menu.installEventFilter(&quitter);
    // the small menu opens in a corner, which leaves the calculators room beside it
    menu.adjustSize();
    menu.move(menu.screen()->availableGeometry().topLeft());
    menu.show();
    return QApplication::exec();
}
