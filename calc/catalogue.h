#pragma once

// The catalogue of sections: what each section is, once, for every part of the program.
// An entry holds its key, its dimensions with the calculator's design texts, the ties that
// make one dimension follow another and the shape variant, the figures it shows in the
// calculator's order, its default specific weight and its computation. The forms, velkor-cli,
// the benchmark, the fuzz targets and the tests all go through it, and the ties are
// resolved here alone, so the calculators and the command line cannot disagree.

#include "section.h"
#include "section_drawing.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velkor {

struct SectionEntry;

struct DimensionSpec {
    std::string_view name;        // "B1", as the form's caption and velkor-cli's NAME=
    std::string_view defaultText; // the calculator's design text
};

// Where a tie or a dimension applies: in either shape, in the base shape only, or only
// in the variant.
enum class Applies { Always, InBase, InVariant };

// While ticked, `tied` takes the value of `source`.
struct TieSpec {
    std::string_view tied, source;
    bool tickedByDefault;  // on the calculator at design time, or as its variant switch sets it
    std::string_view flag; // velkor-cli's flag that ticks a tie not ticked by default
    Applies applies = Applies::Always;
};

// A second shape of the same section (a bar instead of a tube, a T instead of an I, an
// angle instead of a channel), chosen by a flag or by the dimension only it has.
struct VariantSpec {
    std::string_view flag;     // "--solid"; empty when chosen by a dimension
    std::string_view chosenBy; // "H" for the hexagon sized across the flats
    std::vector<std::string_view> unusedInBase, unusedInVariant;
};

// One calculation's inputs: every dimension in millimetres, in the entry's order, as
// typed (tied ones too: the catalogue decides what they are worth), the ties' ticks in the
// entry's order, and whether the variant is chosen.
struct SectionInput {
    std::vector<Rational> dimensions;
    std::vector<bool> ticks;
    bool variant = false;
};

// A section's dimensions with the ties applied, by name.
class ResolvedDimensions {
public:
    ResolvedDimensions(const SectionEntry& entry, SectionInput input);
    const Rational& operator[](std::string_view name) const;
    // Whether the tie of the dimension `tied` is in force.
    bool tied(std::string_view tied) const;
    bool variant() const { return input.variant; }
    const std::vector<Rational>& values() const { return input.dimensions; }

private:
    const SectionEntry& entry;
    SectionInput input;
};

struct SectionEntry {
    std::string_view key; // velkor-cli's SECTION
    std::vector<DimensionSpec> dimensions;
    std::vector<TieSpec> ties; // sources before the ties that depend on them
    std::optional<VariantSpec> variant;
    std::vector<const FigureKind*> figures; // in the calculator's order; the weight follows
    std::string_view specificWeight;        // default text, kg/m³
    SectionOutcome (*compute)(const ResolvedDimensions&, Scope);
    // what a design check needs besides, in this order, where the section has it
    std::vector<const FigureKind*> designFigures;
    SectionShape (*shape)(const ResolvedDimensions&); // for the section card's drawing
    // its Russian name in either shape, for a report made without a calculator
    std::string_view title, variantTitle = {};

    std::size_t dimensionIndex(std::string_view name) const; // size() when unknown
    std::size_t tieIndex(std::string_view tied) const;       // size() when none
    // Whether the dimension is used in the shape chosen.
    bool uses(std::string_view dimension, bool variant) const;
    bool tieApplies(const TieSpec& tie, bool variant) const;
};

// Every section, in the order of the main menu.
const std::vector<SectionEntry>& Catalogue();
const SectionEntry* FindSection(std::string_view key);

// The calculator's design inputs in the given shape: every dimension its design text read
// in `unit` (as a calculator reads it when its unit is switched before calculating), each
// tie as the calculator ticks it at design time or as its variant switch sets it.
SectionInput DesignInput(const SectionEntry& entry, bool variant, LengthUnit unit);

// Ties applied (a tied dimension takes its source's value; a dimension the chosen shape
// does not use is 0), then the section's own checks and figures. A dimension the section
// uses that is beyond the range of ordinary numbers (above 1.8E+308 or, not zero, below
// 2.2E-308 in magnitude) is refused as wrong data first; a box the shape ignores (the
// hidden wall of a solid bar) cannot refuse it.
SectionOutcome Compute(const SectionEntry& entry, SectionInput input, Scope scope = Scope::Shown);

} // namespace velkor
