#pragma once

// One line of a batch file answered: the CSV row or JSON line it gets, and why it failed.

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor::cli {

struct BatchOptions {
    bool json = false;
    bool all = false;
};

struct LineAnswer {
    std::string output; // the CSV row or JSON line with its line break; empty when skipped
    bool failed = false;
    std::string reason; // why it failed
};

// Answers line `number` (from 1) of a batch: blank lines and # comments are skipped, a
// byte order mark in front of the first line is not part of it, bytes that are not UTF-8
// are read as U+FFFD. `tooLong` marks a line cut at the reader's limit, which is refused.
LineAnswer AnswerLine(std::string_view line, std::uint64_t number, const BatchOptions& options,
                      bool tooLong = false);

} // namespace velkor::cli
