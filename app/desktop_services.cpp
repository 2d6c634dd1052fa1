#include "desktop_services.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>

void DesktopServices::showError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ошибка!"), message, QMessageBox::Ok,
                    parent);
    box.exec();
}

bool DesktopServices::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString DesktopServices::choosePdfFile(QWidget* parent, const QString& title,
                                       const QString& suggestedPath)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath,
                                        QStringLiteral("PDF (*.pdf)"));
}

void DesktopServices::showMessage(QWidget* parent, const QString& title, const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, title, message, QMessageBox::Ok, parent);
    box.exec();
}

namespace {

// Linux counterparts of MSINFO32, the most specific first.
const char* const SystemInformationTools[] = {"hardinfo", "hardinfo2", "kinfocenter",
                                              "gnome-system-monitor"};

} // namespace

bool DesktopServices::startSystemInformation()
{
    for (const char* tool : SystemInformationTools) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(tool));
        // a tool that is found but cannot be started gives way to the next one
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return true;
    }
    return false;
}
