#pragma once

#include "platform_services.h"

// The real message boxes, printer dialog and system-information tool.
class DesktopServices : public PlatformServices {
public:
    void showError(QWidget* parent, const QString& message) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    QString choosePdfFile(QWidget* parent, const QString& title,
                          const QString& suggestedPath) override;
    void showMessage(QWidget* parent, const QString& title, const QString& message) override;
    // The first of hardinfo, hardinfo2, kinfocenter and gnome-system-monitor on the PATH
    // that starts.
    bool startSystemInformation() override;
};
