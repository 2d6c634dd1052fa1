#include "request.h"

#include "numbers.h"
#include "sections.h"

#include <algorithm>
#include <charconv>

namespace velkor::cli {

std::optional<double> StrictNumber(const std::string& text)
{
    std::string number = text;
    std::replace(number.begin(), number.end(), ',', '.');
    if (number.empty() || number.front() == '+')
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '\r') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::string UnitName(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Millimetre:
        return "mm";
    case LengthUnit::Centimetre:
        return "cm";
    case LengthUnit::Metre:
        break;
    }
    return "m";
}

namespace {

std::optional<LengthUnit> unitNamed(const std::string& name)
{
    for (LengthUnit unit : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre})
        if (UnitName(unit) == name)
            return unit;
    return std::nullopt;
}

} // namespace

std::variant<Request, UsageError> ParseRequest(const std::vector<std::string>& words)
{
    if (words.empty())
        return UsageError{"no section given"};
    const SectionCommand* section = FindSection(words.front());
    if (section == nullptr)
        return UsageError{"unknown section '" + words.front() + "'"};

    Request request;
    request.section = words.front();
    for (std::size_t k = 1; k < words.size(); ++k) {
        const std::string& word = words[k];
        // "--unit mm" or "--unit=mm"
        const auto option = [&](std::string_view name) -> std::optional<std::string> {
            if (word.size() > name.size() && word.starts_with(name) && word[name.size()] == '=')
                return word.substr(name.size() + 1);
            if (word != name)
                return std::nullopt;
            if (k + 1 == words.size())
                return std::string();
            return words[++k];
        };
        if (const auto unit = option("--unit")) {
            const auto parsed = unitNamed(*unit);
            if (!parsed)
                return UsageError{"unknown unit '" + *unit + "' (mm, cm or m)"};
            request.unit = *parsed;
        } else if (const auto precision = option("--precision")) {
            const auto parsed = StrictNumber(*precision);
            if (!parsed)
                return UsageError{"--precision needs a number, not '" + *precision + "'"};
            request.precision = ToSingle(*parsed);
        } else if (const auto gamma = option("--gamma")) {
            const auto parsed = StrictNumber(*gamma);
            if (!parsed)
                return UsageError{"--gamma needs a number, not '" + *gamma + "'"};
            request.gamma = *parsed;
        } else if (word == "--json") {
            request.json = true;
        } else if (word.starts_with("--")) {
            if (std::find(section->flags.begin(), section->flags.end(), word) == section->flags.end())
                return UsageError{"unknown flag '" + word + "' for " + request.section};
            request.flags.insert(word);
        } else {
            const auto equals = word.find('=');
            const std::string name = word.substr(0, equals);
            const auto known = std::find_if(section->dimensions.begin(), section->dimensions.end(),
                                            [&](const DimensionEntry& d) { return d.name == name; });
            if (equals == std::string::npos || known == section->dimensions.end())
                return UsageError{"unknown dimension '" + name + "' for " + request.section};
            const auto value = StrictNumber(word.substr(equals + 1));
            if (!value)
                return UsageError{"'" + word + "' is not NAME=NUMBER"};
            request.dimensions[name] = *value;
        }
    }
    const auto given = std::count_if(section->exclusive.begin(), section->exclusive.end(),
                                     [&](std::string_view name) {
                                         return request.dimensions.count(std::string(name)) != 0;
                                     });
    if (given > 1)
        return UsageError{"give only one of " + std::string(section->exclusive.front()) + " and " +
                          std::string(section->exclusive.back()) + " for " + request.section};
    return request;
}

} // namespace velkor::cli
