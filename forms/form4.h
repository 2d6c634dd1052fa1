#pragma once

#include "section_form.h"

class SectionSketch;

// A solid square of side B standing on a corner: one set of figures serves both axes.
class Form4 : public SectionForm {
    Q_OBJECT
public:
    explicit Form4(PlatformServices& services);

    const SectionSketch& sketch() const { return *drawing; }

private:
    SectionSketch* drawing;
};
