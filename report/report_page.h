#pragma once

// The section card as one A4 page: a title block (the program and its version, the
// section, the date), the inputs beside the drawing, and the table of every figure with
// the models of the approximate ones beneath it. All of it is text and lines, so a PDF of
// it can be searched for any figure.

#include "section_card.h"

#include <QDate>
#include <QString>

class QPainter;
class QRectF;

namespace report {

struct ReportHeading {
    QString program; // "Velkor 3.7"
    QDate date;
};

// Paints the page into `page` (the printable area, in the painter's units), its font made
// smaller where the figures would not otherwise fit.
void PaintReportPage(QPainter& painter, const QRectF& page, const velkor::SectionCard& card,
                     const ReportHeading& heading);

} // namespace report
