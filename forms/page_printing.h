#pragma once

#include <functional>

class PlatformServices;
class QPainter;
class QRectF;
class QString;
class QWidget;

// Prints one page the way every window of the program prints: the printer dialog first;
// where there is no printer, the page goes to a new PDF file named after `document` and
// the day in the documents folder, and a message says where (`savedAs`, then the path). A
// print that cannot start is reported as an error. `paint` draws the page into the
// printable area it is given, in the painter's units.
void printPage(PlatformServices& services, QWidget* parent, const QString& document,
               const QString& savedAs, const std::function<void(QPainter&, const QRectF&)>& paint);
