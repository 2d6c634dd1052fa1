#pragma once

#include <QLabel>

class QPainter;

// The legend under the results: its text is one run of entries padded with blanks, and it
// shows one entry per line whatever their lengths and the font.
class LegendLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QStringList entries() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Draws the entries with `painter`, whose origin is the label's top left corner and
    // whose font and pen are the label's.
    void paint(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
