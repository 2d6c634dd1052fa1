#pragma once

#include <QString>

class QPrinter;
class QWidget;

// What the forms need from the desktop beyond their own widgets. The program uses the real
// dialogs; tests record the calls instead of blocking on a modal window.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // A modal box titled "Ошибка!" with an exclamation icon and a single OK button.
    virtual void showError(QWidget* parent, const QString& message) = 0;

    // The printer-selection dialog, opened with `printer` as the form set it up (without
    // a printer: a PDF file of its own); false when the user cancels it.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;

    // The dialog that asks where to save a PDF file, opened at `suggestedPath`; the path
    // chosen, or nothing when the user cancels it.
    virtual QString choosePdfFile(QWidget* parent, const QString& title,
                                  const QString& suggestedPath) = 0;

    // A modal box with `title`, the message and a single OK button, without an icon.
    virtual void showMessage(QWidget* parent, const QString& title, const QString& message) = 0;

    // Starts the desktop's system-information tool as a separate process and returns at
    // once; false when there is no such tool or it cannot be started.
    virtual bool startSystemInformation() = 0;
};
