#pragma once

#include <QLabel>

// The legend under the results: its text is one run of entries padded with blanks, and it
// shows one entry per line whatever their lengths and the font.
class LegendLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QStringList entries() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
