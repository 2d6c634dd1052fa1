#include "report_page.h"

#include "card_text.h"
#include "section_picture.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>

namespace report {
namespace {

using velkor::CardRow;
using velkor::SectionCard;

// The columns of the table, as parts of the page's width.
constexpr qreal NameColumn = 0.55, SymbolColumn = 0.1, ValueColumn = 0.22, UnitColumn = 0.08;

// Lays the page out at one font size, painting it or only measuring it, and gives the
// height it takes.
class PageWriter {
public:
    PageWriter(QPainter& painter, const QRectF& page, const SectionCard& card,
               const ReportHeading& heading, qreal pointSize, bool paint)
        : painter(painter)
        , page(page)
        , card(card)
        , heading(heading)
        , paint(paint)
    {
        body = painter.font();
        body.setPointSizeF(pointSize);
        bold = body;
        bold.setBold(true);
        large = bold;
        large.setPointSizeF(pointSize * 1.5);
        small = body;
        small.setPointSizeF(pointSize * 0.85);
    }

    qreal write()
    {
        y = page.top();
        titleBlock();
        y += lineHeight(body);
        inputsAndPicture();
        y += lineHeight(body) * 0.6;
        table();
        notes();
        return y - page.top();
    }

private:
    qreal lineHeight(const QFont& font) const
    {
        return QFontMetricsF(font, painter.device()).height();
    }

    // Text in a column from `left`, `width` wide, wrapped; gives its height.
    qreal put(const QFont& font, qreal left, qreal width, const QString& s,
              int align = Qt::AlignLeft)
    {
        const QFontMetricsF metrics(font, painter.device());
        const QRectF box =
            metrics.boundingRect(QRectF(left, y, width, 1e9), align | Qt::TextWordWrap, s);
        if (paint) {
            painter.setFont(font);
            painter.drawText(QRectF(left, y, width, box.height()), align | Qt::TextWordWrap, s);
        }
        return box.height();
    }

    void rule(qreal at, qreal width)
    {
        if (paint) {
            painter.setPen(QPen(Qt::black, width));
            painter.drawLine(QPointF(page.left(), at), QPointF(page.right(), at));
        }
    }

    void titleBlock()
    {
        const qreal pad = lineHeight(body) * 0.4, top = y;
        y += pad;
        const qreal half = page.width() / 2;
        const qreal titleHeight = put(large, page.left() + pad, half * 1.3, text(card.title));
        put(body, page.left() + half, half - pad, heading.program, Qt::AlignRight);
        y += titleHeight;
        put(body, page.left() + pad, half, QStringLiteral("Паспорт сечения"));
        const QString date =
            QLocale(QLocale::Russian).toString(heading.date, QStringLiteral("dd.MM.yyyy"));
        y += put(body, page.left() + half, half - pad, date, Qt::AlignRight) + pad;
        if (paint) {
            painter.setPen(QPen(Qt::black, lineHeight(body) / 12));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(page.left(), top, page.width(), y - top));
        }
    }

    void inputsAndPicture()
    {
        const qreal top = y, column = page.width() * 0.36;
        y += put(bold, page.left(), column, QStringLiteral("Исходные данные")) +
             lineHeight(body) * 0.3;
        for (const velkor::CardInput& input : card.inputs)
            y += put(body, page.left(), column,
                     text(input.caption) + QStringLiteral(": ") + text(input.value));
        const qreal pictureHeight = std::max(y - top, page.height() * 0.34);
        if (paint) {
            painter.save();
            painter.setFont(body);
            PaintSectionPicture(
                painter, QRectF(page.left() + column, top, page.width() - column, pictureHeight),
                card);
            painter.restore();
        }
        y = top + pictureHeight;
    }

    void table()
    {
        y += put(bold, page.left(), page.width(), QStringLiteral("Характеристики сечения")) +
             lineHeight(body) * 0.2;
        const auto notes = velkor::NotesOf(card);
        const qreal w = page.width(), pad = lineHeight(body) * 0.15;
        const qreal nameX = page.left(), symbolX = nameX + w * NameColumn,
                    valueX = symbolX + w * SymbolColumn, unitX = valueX + w * ValueColumn,
                    noteX = unitX + w * UnitColumn;
        const auto header = [&](const QString& name, const QString& symbol, const QString& value,
                                const QString& unit, const QString& note, const QFont& font) {
            y += pad;
            qreal h = put(font, nameX, w * NameColumn - pad, name);
            h = std::max(h, put(font, symbolX, w * SymbolColumn - pad, symbol));
            h = std::max(h, put(font, valueX, w * ValueColumn - 4 * pad, value, Qt::AlignRight));
            h = std::max(h, put(font, unitX + pad, w * UnitColumn - pad, unit));
            h = std::max(h, put(font, noteX, page.right() - noteX, note));
            y += h + pad;
        };
        header(QStringLiteral("Характеристика"), QStringLiteral("Обозн."),
               QStringLiteral("Значение"), QStringLiteral("Ед."), QStringLiteral("Прим."), bold);
        rule(y, lineHeight(body) / 14);
        std::optional<velkor::FigureGroup> group;
        for (const CardRow& row : card.rows) {
            if (row.group != group) {
                group = row.group;
                const qreal top = y;
                y += pad;
                const qreal h = lineHeight(bold);
                if (paint)
                    painter.fillRect(QRectF(page.left(), top, page.width(), h + 2 * pad),
                                     QColor(232, 236, 242));
                put(bold, page.left() + pad, page.width(), text(velkor::GroupTitle(*group)));
                y += h + pad;
            }
            header(text(row.name), text(row.symbol), text(row.value), text(row.unit),
                   noteMark(notes, row.note), body);
        }
        rule(y, lineHeight(body) / 14);
    }

    void notes()
    {
        const auto notes = velkor::NotesOf(card);
        if (notes.empty())
            return;
        y += lineHeight(small) * 0.3;
        for (std::size_t k = 0; k < notes.size(); ++k)
            y += put(small, page.left(), page.width(),
                     QStringLiteral("[%1] ").arg(k + 1) + text(notes[k]));
    }

    QPainter& painter;
    const QRectF page;
    const SectionCard& card;
    const ReportHeading& heading;
    const bool paint;
    QFont body, bold, large, small;
    qreal y = 0;
};

} // namespace

void PaintReportPage(QPainter& painter, const QRectF& page, const SectionCard& card,
                     const ReportHeading& heading)
{
    painter.save();
    // the largest type from 9 pt down at which the whole card fits the page
    qreal pointSize = 9;
    while (pointSize > 4 &&
           PageWriter(painter, page, card, heading, pointSize, false).write() > page.height())
        pointSize -= 0.5;
    PageWriter(painter, page, card, heading, pointSize, true).write();
    painter.restore();
}

} // namespace report
