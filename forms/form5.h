#pragma once

#include "section_form.h"

class QCheckBox;
class QLineEdit;
class SectionSketch;

// A regular hexagon with flat top and bottom, sized by the radius R of its circumscribed
// circle or, with "Размер сечения через H" ticked, by its height H across the flats; the
// other size follows the one typed.
class Form5 : public SectionForm {
    Q_OBJECT
public:
    explicit Form5(PlatformServices& services);

    const SectionSketch& sketch() const { return *drawing; }

private:
    void enableMode(bool acrossFlats);

    SectionSketch* drawing;
    QLineEdit* radiusBox;
    QLineEdit* heightBox;
    QCheckBox* byHeight;
};
