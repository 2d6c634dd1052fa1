#include "legend_label.h"

#include <QPainter>
#include <QRegularExpression>

QStringList LegendLabel::entries() const
{
    QStringList lines;
    static const QRegularExpression entry(QStringLiteral("[^;]+;?"));
    for (auto match = entry.globalMatch(text()); match.hasNext();) {
        const QString line = match.next().captured().trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

QSize LegendLabel::sizeHint() const
{
    const QStringList lines = entries();
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, fontMetrics().horizontalAdvance(line));
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(),
            int(lines.size()) * fontMetrics().lineSpacing() + margins.top() + margins.bottom()};
}

void LegendLabel::paint(QPainter& painter) const
{
    const QRect area = contentsRect();
    const int lineSpacing = fontMetrics().lineSpacing();
    int y = area.top();
    for (const QString& line : entries()) {
        painter.drawText(QRect(area.left(), y, area.width(), lineSpacing),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineSpacing;
    }
}

void LegendLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    paint(painter);
}
