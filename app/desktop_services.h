#pragma once

#include "platform_services.h"

// The real message box and printer dialog.
class DesktopServices : public PlatformServices {
public:
    void showError(QWidget* parent, const QString& message) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};
