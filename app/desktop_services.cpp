#include "desktop_services.h"

#include <QMessageBox>
#include <QPrintDialog>

void DesktopServices::showError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ошибка!"), message, QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopServices::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
