#include "card_text.h"

#include <algorithm>

namespace report {

QString noteMark(const std::vector<std::string>& notes, const std::string& note)
{
    const auto found = std::find(notes.begin(), notes.end(), note);
    return note.empty() || found == notes.end()
               ? QString()
               : QStringLiteral("[%1]").arg(found - notes.begin() + 1);
}

} // namespace report
