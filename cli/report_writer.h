#pragma once

// velkor-cli's --report: the PDF is written by velkor-report, a program of its own, so that
// velkor-cli itself starts without loading Qt.

#include <string>
#include <vector>

namespace velkor::cli {

// Runs velkor-report on the same command line and gives its exit status; a message and 69
// when it cannot be started.
int WriteReport(const std::vector<std::string>& words);

} // namespace velkor::cli
