#pragma once

#include "flanged_section_form.h"

// Channel, or with "Швеллер/Уголок" ticked an angle.
class Form8 : public FlangedSectionForm {
    Q_OBJECT
public:
    explicit Form8(PlatformServices& services);
};
