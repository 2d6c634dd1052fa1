#pragma once

// The nine calculators, for tests that run the same scenario over each of them.

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"

#include <functional>

using MakeForm = std::function<SectionForm*(PlatformServices&)>;

template <typename Form> SectionForm* makeForm(PlatformServices& services)
{
    return new Form(services);
}

struct Calculator {
    const char* name;
    MakeForm make;
    QString firstBox; // where the focus starts
};

inline const Calculator Calculators[] = {
    {"box tube", makeForm<Form1>, "Text1"},  {"round", makeForm<Form2>, "Text1"},
    {"rectangle", makeForm<Form3>, "Text1"}, {"rhombus", makeForm<Form4>, "Text1"},
    {"hexagon", makeForm<Form5>, "Text1"},   {"cross", makeForm<Form6>, "Text1"},
    {"I-section", makeForm<Form7>, "Text7"}, {"channel", makeForm<Form8>, "Text3"},
    {"Z-section", makeForm<Form9>, "Text3"},
};
