// The copied table on arbitrary texts (invalid UTF-8, lone surrogates, every kind of line
// break): the plain text is the title line and one line of exactly three tab-separated
// cells per row; the HTML is the table's tags around texts in which every "<", ">", "&" and
// quote is escaped, three cells a row, each the box's text with breaks made blanks.
#include "copied_table.h"
#include "fuzz_bytes.h"

#include <QStringList>

#include <cstring>

namespace {

// Text from UTF-8, or from raw UTF-16 units, which may hold lone surrogates.
QString someText(FuzzBytes& bytes)
{
    const bool utf16 = bytes.flag();
    const std::string_view raw = bytes.text('\x1f');
    if (!utf16)
        return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    QString text(qsizetype(raw.size() / 2), Qt::Uninitialized);
    std::memcpy(text.data(), raw.data(), raw.size() / 2 * 2);
    return text;
}

bool breaks(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

QString unescaped(QString html)
{
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    return html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

QString blanked(QString text)
{
    for (QChar& c : text)
        if (breaks(c))
            c = QLatin1Char(' ');
    return text;
}

void checkText(const CopiedTable& table)
{
    const QString text = copiedText(table);
    require(text.endsWith(QLatin1Char('\n')));
    const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
    require(lines.size() == qsizetype(table.rows.size()) + 1);
    require(lines[0] == blanked(table.title));
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
        const QStringList cells = lines[qsizetype(k) + 1].split(QLatin1Char('\t'));
        require(cells.size() == 3);
        require(cells[0] == blanked(table.rows[k].caption) &&
                cells[1] == blanked(table.rows[k].value) &&
                cells[2] == blanked(table.rows[k].unit));
        for (const QString& cell : cells)
            for (QChar c : cell)
                require(!breaks(c));
    }
}

// The texts between the tags, in order, after each tag's name.
void checkHtml(const CopiedTable& table)
{
    const QString html = copiedHtml(table);
    QStringList expected = {QStringLiteral("th"), blanked(table.title)};
    for (const CopiedRow& row : table.rows)
        for (const QString* cell : {&row.caption, &row.value, &row.unit})
            expected << QStringLiteral("td") << blanked(*cell);
    QStringList found;
    qsizetype at = 0;
    while (at < html.size()) {
        const qsizetype close = html.indexOf(QLatin1Char('>'), at);
        require(html[at] == QLatin1Char('<') && close > at);
        const QString tag = html.mid(at + 1, close - at - 1);
        at = close + 1;
        if (tag != QStringLiteral("th colspan=\"3\"") && tag != QStringLiteral("td"))
            continue;
        const qsizetype end = html.indexOf(QLatin1Char('<'), at);
        require(end >= at);
        const QString inner = html.mid(at, end - at);
        require(!inner.contains(QLatin1Char('>')) && !inner.contains(QLatin1Char('"')));
        found << tag.left(2) << unescaped(inner);
        at = end;
    }
    require(found == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    CopiedTable table;
    table.title = someText(bytes);
    const int rows = bytes.byte() % 5;
    for (int k = 0; k < rows; ++k) {
        CopiedRow row;
        row.caption = someText(bytes);
        row.value = someText(bytes);
        row.unit = someText(bytes);
        table.rows.push_back(row);
    }
    checkText(table);
    checkHtml(table);
    return 0;
}
