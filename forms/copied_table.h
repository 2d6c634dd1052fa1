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
// spreadsheets paste as cells. A tab or line break inside a cell becomes a blank, so that
// no text can split a cell or a row.
QMimeData* clipboardData(const CopiedTable& table);
