#pragma once

#include <QString>

class QLabel;
class QWidget;

// Tooltips double as accessible descriptions, so screen readers and GUI automation read
// the same hint a mouse user sees.
void setHint(QWidget* widget, const QString& toolTip);

// A result label: its value is its accessible name (as for any label), its caption and
// tooltip describe it ("I = Момент инерции").
void describeResult(QLabel* result, const QString& caption, const QString& toolTip);
