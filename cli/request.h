#pragma once

// One calculation asked for on the command line or on a line of a batch file.

#include "catalogue.h"
#include "exact.h"
#include "section_card.h"
#include "sortament/standards.h"
#include "units.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace velkor::cli {

// `rolled STANDARD DESIGNATION`: the profile of a standard's table, or why there is none.
struct RolledChoice {
    std::string standard, designation; // as given
    const sortament::Profile* profile = nullptr;
    std::string unknown; // the refusal of an unknown standard or designation, with the nearest
};

struct Request {
    const SectionEntry* section = nullptr;
    std::map<std::string, Decimal, std::less<>> dimensions; // as typed, in the request's unit
    std::set<std::string, std::less<>> flags;               // variant and tie flags
    LengthUnit unit = LengthUnit::Centimetre;
    Decimal precision{1000, 0};
    std::optional<Decimal> gamma; // kg/m³; the section's default when absent
    bool json = false;
    bool all = false;                  // what a design check needs besides the calculator's figures
    std::optional<std::string> report; // --report FILE: the section card as a PDF as well
    std::optional<RolledChoice> rolled; // for the section "rolled"

    bool given(std::string_view dimension) const;
    bool flagged(std::string_view flag) const;
};

struct UsageError {
    std::string reason;
};

// A decimal number with "." or "," as separator, an optional exponent, and nothing else
// around it; exactly as written.
std::optional<Decimal> StrictNumber(std::string_view text);

// Parses `SECTION [NAME=VALUE ...] [--unit U] [--precision P] [--gamma G] [--json] [--all]
// [--report FILE] [flags]`, or `rolled STANDARD DESIGNATION` and the same options;
// an option's value may also follow it after "=", as in --unit=mm. Names and flags are
// checked against the section's own lists, and a dimension the chosen shape does not use,
// or one that a flag makes follow another, is refused.
std::variant<Request, UsageError> ParseRequest(const std::vector<std::string>& words);

// The calculator's inputs for a request: a dimension left out takes the calculator's
// design text read in the request's unit (as the calculator reads it after a unit switch
// before calculating), a tie ticked at design time holds while its dimension is left out,
// one that is not is ticked by its flag.
SectionInput InputOf(const Request& request);

// The section card of a request: its inputs as InputOf takes them, each dimension written
// in the request's unit.
CardRequest CardRequestOf(const Request& request);

// Splits a batch line into words at blanks and tabs.
std::vector<std::string> SplitWords(const std::string& line);

std::string UnitName(LengthUnit unit);

} // namespace velkor::cli
