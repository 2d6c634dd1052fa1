#pragma once

#include "section_form.h"

class QLineEdit;
class SectionSketch;

// Solid square of side B or, with "H= B" unticked, solid rectangle B by H. "Выход" unloads
// this form: it opens again with its design values.
class Form3 : public SectionForm {
    Q_OBJECT
public:
    explicit Form3(PlatformServices& services);

    const SectionSketch& sketch() const { return *drawing; }

private:
    void showSquare(bool square);

    SectionSketch* drawing;
    QLineEdit* widthBox;
};
