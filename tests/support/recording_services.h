#pragma once

#include "platform_services.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

// Records the messages instead of showing them, and answers the printer dialog as told:
// accepted with printing to a PDF file, or cancelled.
class RecordingServices : public PlatformServices {
public:
    void showError(QWidget* parent, const QString& message) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;

    QStringList messages;
    QString pdfPath;            // where an accepted print goes
    bool acceptPrinter = true;
    int printerDialogs = 0;
};

// Fails the running test when any modal window appears: a modal window in a headless run
// would wait for a click that never comes.
class ModalWindowGuard : public QObject {
public:
    ModalWindowGuard();
    QStringList seen; // titles of the modal windows that had to be closed

private:
    QTimer timer;
};
