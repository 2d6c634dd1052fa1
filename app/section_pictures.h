#pragma once

#include <QPixmap>

#include <string_view>

namespace velkor {
struct SectionEntry;
}

// Small drawings of the sections for the menu buttons, and the program's logo. The usual
// sections have a schematic picture, thick enough to read at button size; any other is
// drawn from its catalogue entry's outline at the calculator's design dimensions.
QPixmap sectionPicture(const velkor::SectionEntry& section);
QPixmap logoPicture();
