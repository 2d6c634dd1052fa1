#pragma once

// The section card's texts as Qt shows them.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace report {

inline QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// "[2]" for a row whose note is the second of velkor::NotesOf; empty for a row without one.
QString noteMark(const std::vector<std::string>& notes, const std::string& note);

} // namespace report
