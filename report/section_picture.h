#pragma once

// The section drawn to scale, for the card window, its printout and its PDF alike: the
// material filled and hatched, the X and Y axes through the centroid, the principal axes
// u and v where they are not X and Y, the plastic neutral axes and the shear centre where
// they lie apart, and the dimensions with their values. Everything scales with the
// painter's font, so a screen and a 1200-dpi page show the same picture.

#include "section_card.h"

#include <QString>

class QPainter;
class QRectF;

namespace report {

// Draws the section as large as fits in `area`, its proportions kept.
void PaintSectionPicture(QPainter& painter, const QRectF& area, const velkor::SectionCard& card);

// The picture in words, for a screen reader.
QString PictureDescription(const velkor::SectionCard& card);

} // namespace report
