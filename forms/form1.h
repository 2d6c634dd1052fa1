#pragma once

#include "section_form.h"

class QLineEdit;
class SectionSketch;

// Rectangular or square tube of outer width B and height H with walls b and h; "h= b"
// makes all walls equally thick, "H= B" squares the opening.
class Form1 : public SectionForm {
    Q_OBJECT
public:
    explicit Form1(PlatformServices& services);

    const SectionSketch& sketch() const { return *drawing; }

private:
    void showEqualWalls(bool equal);
    void showSquareOpening(bool square);

    SectionSketch* drawing;
    QLineEdit* widthBox;
    QLineEdit* verticalWallBox;
};
