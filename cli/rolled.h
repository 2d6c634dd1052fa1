#pragma once

// velkor-cli's rolled profiles: `rolled STANDARD DESIGNATION` chooses one from a
// standard's table, `rolled --list [STANDARD]` lists the standards or a standard's profiles.

#include "request.h"

#include <optional>
#include <string>
#include <string_view>

namespace velkor::cli {

// The profile, or the reason there is none with the nearest standards or designations.
RolledChoice ChooseRolled(std::string_view standard, std::string_view designation);

// The list of `rolled --list`: every standard with its title and number of profiles, one a
// line, or with a standard its designations as the table writes them. Nothing for an
// unknown standard, with the refusal in `refusal`.
std::optional<std::string> RolledList(std::optional<std::string_view> standard,
                                      std::string& refusal);

// The section as a CSV row names it: the entry's key, and for a rolled profile its
// standard and designation, "rolled gost8239 20".
std::string SectionName(const Request& request);

} // namespace velkor::cli
