#pragma once

#include "platform_services.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

// Records the messages instead of showing them, answers the printer dialog as told
// (accepted with printing to a PDF file, or cancelled) and pretends to start the
// system-information tool, which is there or not as told.
class RecordingServices : public PlatformServices {
public:
    void showError(QWidget* parent, const QString& message) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    // answers with `savePath` (empty: cancelled), noting the path it was offered
    QString choosePdfFile(QWidget* parent, const QString& title,
                          const QString& suggestedPath) override;
    void showMessage(QWidget* parent, const QString& title, const QString& message) override;
    bool startSystemInformation() override;

    QStringList messages;
    QString pdfPath;        // where an accepted print goes; empty: where it was offered
    QString offeredPdfPath; // the file the dialog was opened with
    bool acceptPrinter = true;
    int printerDialogs = 0;
    QList<std::pair<QString, QString>> titledMessages; // title, message
    QString savePath;
    QString offeredSavePath;
    bool systemInformationStarts = true;
    int systemInformationRequests = 0;
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
