#pragma once

#include <QPixmap>

// Small drawings of the sections for the menu buttons, and the program's logo.
enum class SectionPicture { Round, BoxTube, Rectangle, Rhombus, Hexagon, Cross, IBeam, Channel, ZSection };

QPixmap sectionPicture(SectionPicture section);
QPixmap logoPicture();
