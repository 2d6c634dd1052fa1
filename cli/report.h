#pragma once

// Writing a calculation's outcome as text lines, JSON or a CSV row.

#include "request.h"
#include "section.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace velkor::cli {

// The displayed values of one request, or the message that refused it.
using Answer = std::variant<Display, Refusal>;

Answer Calculate(const Request& request);

// "Ix = 2555.071 cm4" lines in the calculator's order, "weight = … kg/m" last.
std::string TextReport(const Display& display, const Request& request);
// {"section": …, "unit": …, "precision": …, "results": {…}}, with "error" instead of the
// results on refusal; a batch adds the line number in front.
std::string JsonReport(const Answer& answer, const Request& request,
                       std::optional<std::uint64_t> line = {});

// With `all`, the columns of the design figures follow those of the calculators' ones.
std::string CsvHeader(bool all = false);
// One row: line number, section, unit, precision, error, then every known result column;
// fields as RFC 4180 has them, in valid UTF-8.
std::string CsvRow(std::uint64_t line, const std::string& section, const std::string& unit,
                   const std::string& precision, const std::string& error, const Display* display,
                   bool all = false);

// A JSON string of `bytes` as valid UTF-8 (see ValidUtf8).
std::string JsonString(const std::string& bytes);
// A number as velkor-cli writes it: every digit shown, "." as the separator.
std::string Number(const Decimal& value);

} // namespace velkor::cli
