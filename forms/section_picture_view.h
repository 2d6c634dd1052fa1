#pragma once

#include "section_card.h"

#include <QWidget>

#include <optional>

// The section card's drawing on screen: the section to scale, as large as the widget
// allows with its proportions kept, drawn again whenever the widget is resized.
class SectionPictureView : public QWidget {
    Q_OBJECT
public:
    explicit SectionPictureView(QWidget* parent = nullptr);

    void setCard(const velkor::SectionCard& card);

    QSize sizeHint() const override { return {420, 380}; }
    QSize minimumSizeHint() const override { return {260, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<velkor::SectionCard> card;
};
