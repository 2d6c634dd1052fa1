#pragma once

#include "platform_services.h"

#include <QStringList>

// The desktop services of a measured run: nothing modal may appear (it would wait for a
// click that never comes), so error messages are kept for the report instead, the printer
// dialog is cancelled, a PDF goes where the run says and no system-information tool is
// started.
class BenchServices : public PlatformServices {
public:
    void showError(QWidget* parent, const QString& message) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    QString choosePdfFile(QWidget* parent, const QString& title,
                          const QString& suggestedPath) override;
    void showMessage(QWidget* parent, const QString& title, const QString& message) override;
    bool startSystemInformation() override;

    QStringList errors;
    QString pdfPath; // where a PDF is saved; empty: the dialog is cancelled
};
