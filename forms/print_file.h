#pragma once

#include <QDate>
#include <QString>

// Where a print goes when there is no printer: a PDF file named after the section and the
// day, in the user's documents folder.

// "<section> <yyyy-MM-dd>.pdf" in `folder`, or with " (2)", " (3)" … before the extension
// where earlier prints have taken the name: never a file that exists. Characters that do
// not belong in a file name, such as the "\" of "Квадратное\ прямоугольное сечение",
// become blanks.
QString unusedPdfPath(const QString& folder, const QString& section, QDate date);

// The user's documents folder, created if it is missing; the home folder where the
// desktop names none.
QString documentsFolder();
