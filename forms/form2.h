#pragma once

#include "section_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class SectionSketch;

// Round tube of outer diameter D and wall t, or with "Круглое сечение" ticked a solid bar.
class Form2 : public SectionForm {
    Q_OBJECT
public:
    explicit Form2(PlatformServices& services);

    const SectionSketch& sketch() const { return *drawing; }

private:
    void showSolid(bool solid);

    SectionSketch* drawing;
    QLineEdit* diameterBox;
    QLineEdit* wallBox;
    QLabel* diameterCaption;
};
