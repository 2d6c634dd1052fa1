#pragma once

#include <string_view>

class PlatformServices;
class SectionForm;

// Which calculator computes each section of the catalogue: the form, and the name and
// tooltip of its button on the main menu. A section without one has no calculator yet.
struct CalculatorSpec {
    std::string_view section; // the catalogue entry's key
    const char* buttonName;
    const char* toolTip;
    SectionForm* (*create)(PlatformServices& services);
};

const CalculatorSpec* CalculatorFor(std::string_view section);
