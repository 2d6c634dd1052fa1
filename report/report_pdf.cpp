#include "report_pdf.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace report {

std::optional<QString> WriteReportPdf(const velkor::SectionCard& card, const ReportHeading& heading,
                                      const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 12, 12, 12), QPageLayout::Millimeter));
    writer.setTitle(QString::fromStdString(card.title));
    writer.setCreator(heading.program);
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("Не удалось записать файл %1").arg(path);
    // the painter's origin is the corner of the printable area
    PaintReportPage(
        painter,
        QRectF(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size()),
        card, heading);
    if (!painter.end() || QFileInfo(path).size() == 0)
        return QStringLiteral("Не удалось записать файл %1").arg(path);
    return std::nullopt;
}

} // namespace report
