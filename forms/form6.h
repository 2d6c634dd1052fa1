#pragma once

#include "section_form.h"

class SectionSketch;

// Two rectangles crossing at their middles: a horizontal element B × h and a vertical one
// H × b. "H = B" and "h = b" tie the vertical element's length and the horizontal
// element's thickness to the other element's.
class Form6 : public SectionForm {
    Q_OBJECT
public:
    explicit Form6(PlatformServices& services);

    const SectionSketch& sketch() const { return *drawing; }

private:
    SectionSketch* drawing;
};
