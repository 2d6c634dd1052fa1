#include "recording_services.h"

#include <QApplication>
#include <QPrinter>
#include <QWidget>

void RecordingServices::showError(QWidget*, const QString& message)
{
    messages << message;
}

bool RecordingServices::choosePrinter(QWidget*, QPrinter& printer)
{
    ++printerDialogs;
    offeredPdfPath = printer.outputFileName();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath.isEmpty() ? offeredPdfPath : pdfPath);
    return acceptPrinter;
}

QString RecordingServices::choosePdfFile(QWidget*, const QString&, const QString& suggestedPath)
{
    offeredSavePath = suggestedPath;
    return savePath;
}

void RecordingServices::showMessage(QWidget*, const QString& title, const QString& message)
{
    titledMessages.append({title, message});
}

bool RecordingServices::startSystemInformation()
{
    ++systemInformationRequests;
    return systemInformationStarts;
}

ModalWindowGuard::ModalWindowGuard()
{
    connect(&timer, &QTimer::timeout, this, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen << modal->windowTitle();
            modal->close();
        }
    });
    timer.start(50);
}
