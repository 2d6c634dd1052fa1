// floor: what Qt Widgets costs by itself. One window with one label, which quits as soon as
// it has been painted for the first time, like "velkor --quit-after-first-paint" does with
// the main menu; bench/run.sh compares the two whole processes.
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Velkor"));
    QuitAfterFirstPaint quitter;
    label.installEventFilter(&quitter);
    label.show();
    return QApplication::exec();
}
