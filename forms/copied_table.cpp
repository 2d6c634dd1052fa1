#include "copied_table.h"

#include <QMimeData>

namespace {

bool breaksCells(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

QString cell(QString text)
{
    for (QChar& c : text)
        if (breaksCells(c))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

QString copiedText(const CopiedTable& table)
{
    QString text = cell(table.title) + QLatin1Char('\n');
    for (const CopiedRow& row : table.rows)
        text += cell(row.caption) + QLatin1Char('\t') + cell(row.value) + QLatin1Char('\t') +
                cell(row.unit) + QLatin1Char('\n');
    return text;
}

QString copiedHtml(const CopiedTable& table)
{
    QString html = QStringLiteral("<table><tr><th colspan=\"3\">") +
                   cell(table.title).toHtmlEscaped() + QStringLiteral("</th></tr>");
    for (const CopiedRow& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const QString* text : {&row.caption, &row.value, &row.unit})
            html += QStringLiteral("<td>") + cell(*text).toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QMimeData* clipboardData(const CopiedTable& table)
{
    auto* data = new QMimeData;
    data->setText(copiedText(table));
    data->setHtml(copiedHtml(table));
    return data;
}
