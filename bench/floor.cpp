// floor: what Qt Widgets costs by itself. One window with one label, which quits as soon as
// it has been painted for the first time, like "velkor --quit-after-first-paint" does with
// the main menu; bench/run.sh compares the two whole processes.
#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

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
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Velkor"));
    QuitAfterFirstPaint quitter;
    label.installEventFilter(&quitter);
    label.show();
    return QApplication::exec();
}
