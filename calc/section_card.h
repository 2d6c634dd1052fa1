#pragma once

// The section card: one calculation written out whole for a calculation report. Its
// inputs, every figure the section has (those of the calculator and those of a design
// check) grouped as a report lists them, each cut to the precision like the calculator's,
// and the section's drawing. The card window, its PDF and velkor-cli --report all show
// this, so they cannot disagree with each other or with the calculator.

#include "catalogue.h"
#include "section_drawing.h"

#include <string>
#include <variant>
#include <vector>

namespace velkor {

namespace sortament {
class Profile;
}

enum class FigureGroup { Geometry, Elastic, Plastic, Torsion, SurfaceAndWeight };

struct CardRow {
    FigureGroup group;
    std::string name;   // Russian
    std::string symbol; // as velkor-cli writes it
    std::string value;  // cut, with the decimal separator asked for
    std::string unit;   // Russian: "см4", "°", "кг/м"
    std::string note;   // the model of an approximate figure
    // where a standard prints the figure: its printed value in the same unit, and whether
    // the computed one differs from it by more than one unit of its last printed digit
    std::string printed = {};
    bool differsFromPrinted = false;
};

struct CardInput {
    std::string caption; // "H", "Единицы", "Удельный вес"
    std::string value;   // "20 см", "(= B1) 9 см"
};

// One calculation as the calculator or the command line made it: the dimensions in
// `unit`, exactly as typed, the ticks of the entry's ties, the variant, the specific
// weight in kg/m³ and the precision.
struct CardRequest {
    const SectionEntry* entry = nullptr;
    std::string title; // the section's name as the calculator shows it
    LengthUnit unit = LengthUnit::Centimetre;
    std::vector<Decimal> dimensions;
    std::vector<bool> ticks;
    bool variant = false;
    Decimal specificWeight, precision;
    // a rolled profile, whose dimensions come from its standard's table
    const sortament::Profile* profile = nullptr;
};

struct SectionCard {
    std::string title;
    std::vector<CardInput> inputs;
    std::vector<CardRow> rows; // by group, in the groups' order
    SectionDrawing drawing;
    // the drawing's dimensions' labels, "H = 20", in the order of drawing.shape.dimensions
    std::vector<std::string> dimensionLabels;
};

std::string_view GroupTitle(FigureGroup group);

// The models the rows name, each once, in the order the table first names them: a row with
// a note refers to note k + 1 of this list.
std::vector<std::string> NotesOf(const SectionCard& card);

// "см", "мм2", "м4"; a figure of power 0 its own unit.
std::string RussianUnit(LengthUnit unit, int power);
std::string RussianUnit(LengthUnit unit, const FigureKind& kind);
std::string_view RussianUnitName(LengthUnit unit); // "сантиметр"

// The card of a calculation, or the refusal the calculator shows for it.
std::variant<SectionCard, Refusal> MakeCard(const CardRequest& request, char decimalSeparator);

} // namespace velkor
