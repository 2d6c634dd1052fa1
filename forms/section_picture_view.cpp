#include "section_picture_view.h"

#include "section_picture.h"

#include <QPainter>

SectionPictureView::SectionPictureView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SectionPicture"));
    setAccessibleName(QStringLiteral("Чертёж сечения"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SectionPictureView::setCard(const velkor::SectionCard& shown)
{
    card = shown;
    setAccessibleDescription(report::PictureDescription(shown));
    update();
}

void SectionPictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (card)
        report::PaintSectionPicture(painter, QRectF(rect()), *card);
}
