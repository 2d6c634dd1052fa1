#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Ends the event loop once the watched widget has been painted: the quit is queued, so the
// paint event that triggers it is completed and flushed first. For measuring start-up, the
// same in velkor and in the bare Qt window it is compared with.
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
