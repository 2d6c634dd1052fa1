#pragma once

// One calculation asked for on the command line or on a line of a batch file.

#include "units.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace velkor::cli {

struct Request {
    std::string section;
    std::map<std::string, double> dimensions; // as typed, in the request's unit
    std::set<std::string> flags;              // variant flags such as "--solid"
    LengthUnit unit = LengthUnit::Centimetre;
    float precision = 1000;
    std::optional<double> gamma; // kg/m³; the section's default when absent
    bool json = false;
};

struct UsageError {
    std::string reason;
};

// A decimal number with "." or "," as separator and nothing else around it.
std::optional<double> StrictNumber(const std::string& text);

// Parses `SECTION [NAME=VALUE ...] [--unit U] [--precision P] [--gamma G] [--json] [flags]`;
// an option's value may also follow it after "=", as in --unit=mm.
// Names and flags are checked against the section's own lists.
std::variant<Request, UsageError> ParseRequest(const std::vector<std::string>& words);

// Splits a batch line into words at blanks and tabs.
std::vector<std::string> SplitWords(const std::string& line);

std::string UnitName(LengthUnit unit);

} // namespace velkor::cli
