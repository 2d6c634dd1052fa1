#include "desktop_services.h"
#include "section_pictures.h"
#include "velkor.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velkor"));
    QApplication::setWindowIcon(QIcon(logoPicture()));

    DesktopServices services;
    Velkor menu(services);
    QObject::connect(&menu, &Velkor::exitRequested, &app, &QApplication::quit);
    menu.show();
    return QApplication::exec();
}
