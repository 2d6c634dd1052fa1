#pragma once

// The colours of the section pictures: the axes as the calculators' sketches draw them.

#include <QColor>

namespace report {

inline const QColor AxisXColour = Qt::red;
inline const QColor AxisYColour = Qt::darkGreen;
inline const QColor PrincipalColour = Qt::darkMagenta;
inline const QColor PlasticColour = QColor(0, 90, 200);
inline const QColor ShearCentreColour = QColor(0, 90, 200);
inline const QColor MaterialColour = QColor(214, 224, 238);
inline const QColor HatchColour = QColor(90, 100, 120);

} // namespace report
