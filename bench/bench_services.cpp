#include "bench_services.h"

void BenchServices::showError(QWidget*, const QString& message)
{
    errors << message;
}

bool BenchServices::choosePrinter(QWidget*, QPrinter&)
{
    return false;
}

QString BenchServices::choosePdfFile(QWidget*, const QString&, const QString&)
{
    return pdfPath;
}

void BenchServices::showMessage(QWidget*, const QString& title, const QString& message)
{
    errors << title + QStringLiteral(": ") + message;
}

bool BenchServices::startSystemInformation()
{
    return false;
}
