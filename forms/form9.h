#pragma once

#include "flanged_section_form.h"

// Z-section, or with "Z / L" ticked an angle.
class Form9 : public FlangedSectionForm {
    Q_OBJECT
public:
    explicit Form9(PlatformServices& services);
};
