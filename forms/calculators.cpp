#include "calculators.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename Form> SectionForm* make(PlatformServices& services)
{
    return new Form(services);
}

const CalculatorSpec Specs[] = {
    {"round", "Command3", "Круглое сечение /труба/", &make<Form2>},
    {"tube", "Command2", "Прямоугольная /квадратная/ труба", &make<Form1>},
    {"rect", "Command5", "Квадрат\\ прямоугольник", &make<Form3>},
    {"rhombus", "Command7", "Ромб", &make<Form4>},
    {"hexagon", "Command8", "Шестигранник", &make<Form5>},
    {"cross", "Command9", "Крест", &make<Form6>},
    {"ibeam", "Command10", "Двутавр/Тавр", &make<Form7>},
    {"channel", "Command11", "Швеллер/Уголок", &make<Form8>},
    {"zsection", "Command12", "Z-сечение", &make<Form9>},
};

} // namespace

const CalculatorSpec* CalculatorFor(std::string_view section)
{
    const auto found = std::find_if(std::begin(Specs), std::end(Specs),
                                    [&](const CalculatorSpec& s) { return s.section == section; });
    return found == std::end(Specs) ? nullptr : found;
}
