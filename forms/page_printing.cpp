#include "page_printing.h"

#include "platform_services.h"
#include "print_file.h"

#include <QDate>
#include <QDir>
#include <QPainter>
#include <QPrinter>

void printPage(PlatformServices& services, QWidget* parent, const QString& document,
               const QString& savedAs, const std::function<void(QPainter&, const QRectF&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document);
    // Without a printer Qt prints to a PDF file: offer a new one in the documents folder
    // rather than the same file in the home folder every time.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(unusedPdfPath(documentsFolder(), document, QDate::currentDate()));
    if (!services.choosePrinter(parent, printer))
        return;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    QPainter painter;
    if (!painter.begin(&printer)) {
        services.showError(parent, toFile
                                       ? QStringLiteral("Не удалось записать файл ") +
                                             QDir::toNativeSeparators(printer.outputFileName())
                                       : QStringLiteral("Не удалось начать печать на принтере ") +
                                             printer.printerName());
        return;
    }
    paint(painter, painter.viewport());
    painter.end();
    if (toFile)
        services.showMessage(parent, QStringLiteral("Принтер"),
                             savedAs + QDir::toNativeSeparators(printer.outputFileName()));
}
