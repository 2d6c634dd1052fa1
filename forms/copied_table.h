#pragma once

#include <QString>

#include <vector>

class QMimeData;

// A calculator's inputs and results as rows of caption, value and unit, under its caption.
struct CopiedRow {
    QString caption, value, unit;
};

struct CopiedTable {
    QString title;
    std::vector<CopiedRow> rows;
};

// The table for the clipboard: tab-separated lines as plain text, and an HTML table, which
// spreadsheets paste as cells. Tabs, line breaks of every kind (also the Unicode line and
// paragraph separators) and other control characters inside a cell become blanks, so that
// no text can split a cell or a row.
QMimeData* clipboardData(const CopiedTable& table);

// The two forms on their own: the title on the first line, then one line of three cells
// per row, each line ending in "\n"; and the table as HTML, every text escaped.
QString copiedText(const CopiedTable& table);
QString copiedHtml(const CopiedTable& table);
