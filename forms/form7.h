#pragma once

#include "section_form.h"

class QCheckBox;
class QLineEdit;
class SectionSketch;

// Welded I-section with flange 2 tied to flange 1 or released, or with "Тавр\Двутавр"
// ticked the T-section, which has no flange 2.
class Form7 : public SectionForm {
    Q_OBJECT
public:
    explicit Form7(PlatformServices& services);

    const SectionSketch& sketch() const { return *drawing; }

private:
    void showTee(bool tee);
    void redraw();

    SectionSketch* drawing;
    QLineEdit* heightBox;
    QLineEdit* width1Box;
    QLineEdit* thickness1Box;
    QLineEdit* width2Box;
    QLineEdit* thickness2Box;
    QCheckBox* teeSwitch;
    QCheckBox* sameWidth;
    QCheckBox* sameThickness;
};
