#pragma once

#include <QStringList>

class QGroupBox;
class QWidget;

// Gathers result rows that the frame has already laid out in its result grid (each row a
// caption, a value and a unit label, all named in `names`) into a group box titled `title`.
// The group takes their place in the grid across its whole width, so results that belong
// together stand apart below the others, and keep everything the frame does with them.
QGroupBox* groupResults(QWidget* form, const QString& name, const QString& title,
                        const QStringList& names);
