#include "copied_table.h"

#include <QMimeData>

namespace {

QString cell(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

QMimeData* clipboardData(const CopiedTable& table)
{
    const QString title = cell(table.title);
    QString text = title + QLatin1Char('\n');
    QString html = QStringLiteral("<table><tr><th colspan=\"3\">") + title.toHtmlEscaped() +
                   QStringLiteral("</th></tr>");
    for (const CopiedRow& row : table.rows) {
        const QString cells[] = {cell(row.caption), cell(row.value), cell(row.unit)};
        text += cells[0] + QLatin1Char('\t') + cells[1] + QLatin1Char('\t') + cells[2] +
                QLatin1Char('\n');
        html += QStringLiteral("<tr>");
        for (const QString& c : cells)
            html += QStringLiteral("<td>") + c.toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    return data;
}
