#include "request.h"

#include "numbers.h"
#include "rolled.h"
#include "section_card.h"
#include "sortament/rolled_section.h"

#include <algorithm>

namespace velkor::cli {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<LengthUnit> unitNamed(std::string_view name)
{
    for (LengthUnit unit : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre})
        if (UnitName(unit) == name)
            return unit;
    return std::nullopt;
}

std::string quoted(std::string_view text)
{
    std::string written;
    written.reserve(text.size() + 2);
    written.append(1, '\'').append(text).append(1, '\'');
    return written;
}

UsageError givenTwice(std::string_view name, const std::string& key)
{
    return UsageError{quoted(name) + " is given twice for " + key};
}

// A number beyond the range of ordinary numbers (above about 1.8E+308 or, not zero, below
// about 2.2E-308) is no size of a real section, and no other program could read it back.
UsageError outOfRange(std::string_view word, std::string_view name)
{
    return UsageError{quoted(word) + ": " + std::string(name) +
                      " must be zero or lie between 2.2E-308 and 1.8E+308 in size"};
}

// "--precision x": the option's value as a number in the ordinary range.
std::variant<Decimal, UsageError> numberOption(std::string_view name, const std::string& text)
{
    const auto parsed = StrictNumber(text);
    if (!parsed)
        return UsageError{std::string(name) + " needs a number, not " + quoted(text)};
    if (!IsOrdinary(ToRational(*parsed)))
        return outOfRange(text, name);
    return *parsed;
}

bool variantChosen(const Request& request)
{
    const auto& variant = request.section->variant;
    if (!variant)
        return false;
    return variant->flag.empty() ? request.given(variant->chosenBy)
                                 : request.flagged(variant->flag);
}

// The refusals of dimensions and flags that the chosen shape or ticks leave without use.
std::optional<UsageError> unused(const Request& request)
{
    const SectionEntry& section = *request.section;
    const bool variant = variantChosen(request);
    const std::string key(section.key);
    if (section.variant && !section.variant->chosenBy.empty() && variant)
        for (std::string_view name : section.variant->unusedInVariant)
            if (request.given(name))
                return UsageError{"give only one of " + std::string(name) + " and " +
                                  std::string(section.variant->chosenBy) + " for " + key};
    for (const auto& [name, value] : request.dimensions)
        if (!section.uses(name, variant))
            return UsageError{quoted(name) + " is not used with " +
                              std::string(section.variant->flag) + " for " + key};
    for (const TieSpec& tie : section.ties) {
        if (tie.flag.empty() || !request.flagged(tie.flag))
            continue;
        if (!section.tieApplies(tie, variant))
            return UsageError{quoted(tie.flag) + " needs " + std::string(section.variant->flag) +
                              " for " + key};
        if (request.given(tie.tied))
            return UsageError{quoted(tie.tied) + " follows " + std::string(tie.source) + " with " +
                              std::string(tie.flag) + "; leave it out"};
    }
    return std::nullopt;
}

} // namespace

bool Request::given(std::string_view dimension) const
{
    return dimensions.find(dimension) != dimensions.end();
}

bool Request::flagged(std::string_view flag) const
{
    return flags.find(flag) != flags.end();
}

std::optional<Decimal> StrictNumber(std::string_view text)
{
    std::size_t i = text.starts_with('-') ? 1 : 0;
    bool point = false;
    std::size_t digits = 0;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if ((text[i] == '.' || text[i] == ',') && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentDigits = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j == exponentDigits)
            return std::nullopt;
        i = j;
    }
    if (i != text.size())
        return std::nullopt;
    return LeadingNumber(text);
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

std::variant<Request, UsageError> ParseRequest(const std::vector<std::string>& words)
{
    if (words.empty())
        return UsageError{"no section given"};
    Request request;
    request.section = FindSection(words.front());
    std::size_t first = 1; // the first option
    if (words.front() == sortament::RolledSection().key) {
        if (words.size() < 3 || words[1].starts_with("--") || words[2].starts_with("--"))
            return UsageError{"rolled needs a standard and a designation"};
        request.section = &sortament::RolledSection();
        request.rolled = ChooseRolled(words[1], words[2]);
        first = 3;
    }
    if (request.section == nullptr)
        return UsageError{"unknown section " + quoted(words.front())};
    const SectionEntry& section = *request.section;
    const std::string key(section.key);

    std::set<std::string, std::less<>> optionsGiven;
    std::vector<std::string_view> flags;
    if (section.variant && !section.variant->flag.empty())
        flags.push_back(section.variant->flag);
    for (const TieSpec& tie : section.ties)
        if (!tie.flag.empty())
            flags.push_back(tie.flag);

    for (std::size_t k = first; k < words.size(); ++k) {
        const std::string_view word = words[k];
        // "--unit mm" or "--unit=mm"
        const auto option = [&](std::string_view name) -> std::optional<std::string> {
            if (word == name)
                return k + 1 < words.size() ? words[++k] : std::string();
            if (word.starts_with(name) && word.size() > name.size() && word[name.size()] == '=')
                return std::string(word.substr(name.size() + 1));
            return std::nullopt;
        };
        const auto once = [&](std::string_view name) {
            return optionsGiven.insert(std::string(name)).second;
        };
        // "--precision P" or "--gamma G": an ordinary number, given once
        const auto number = [&](std::string_view name, const std::string& text,
                                auto& target) -> std::optional<UsageError> {
            const auto parsed = numberOption(name, text);
            if (const auto* error = std::get_if<UsageError>(&parsed))
                return *error;
            if (!once(name))
                return givenTwice(name, key);
            target = std::get<Decimal>(parsed);
            return std::nullopt;
        };
        if (const auto unit = option("--unit")) {
            const auto parsed = unitNamed(*unit);
            if (!parsed)
                return UsageError{"unknown unit " + quoted(*unit) + " (mm, cm or m)"};
            if (!once("--unit"))
                return givenTwice("--unit", key);
            request.unit = *parsed;
        } else if (const auto precision = option("--precision")) {
            if (auto error = number("--precision", *precision, request.precision))
                return *error;
        } else if (const auto gamma = option("--gamma")) {
            if (auto error = number("--gamma", *gamma, request.gamma))
                return *error;
        } else if (const auto report = option("--report")) {
            if (report->empty())
                return UsageError{"--report needs a file name"};
            if (!once("--report"))
                return givenTwice("--report", key);
            request.report = *report;
        } else if (word == "--json") {
            request.json = true;
        } else if (word == "--all") {
            request.all = true;
        } else if (word.starts_with("--")) {
            if (std::find(flags.begin(), flags.end(), word) == flags.end())
                return UsageError{"unknown flag " + quoted(word) + " for " + key};
            request.flags.emplace(word);
        } else {
            const auto equals = word.find('=');
            const std::string_view name = word.substr(0, equals);
            if (equals == std::string_view::npos ||
                section.dimensionIndex(name) == section.dimensions.size())
                return UsageError{"unknown dimension " + quoted(name) + " for " + key};
            const auto value = StrictNumber(word.substr(equals + 1));
            if (!value)
                return UsageError{quoted(word) + " is not NAME=NUMBER"};
            if (!IsOrdinary(ToRational(*value)))
                return outOfRange(word, name);
            if (request.given(name))
                return givenTwice(name, key);
            request.dimensions[std::string(name)] = *value;
        }
    }
    if (auto refusal = unused(request))
        return *refusal;
    return request;
}

SectionInput InputOf(const Request& request)
{
    const SectionEntry& section = *request.section;
    SectionInput input = DesignInput(section, variantChosen(request), request.unit);
    const Rational factor(UnitFactorOf(request.unit));
    for (const auto& [name, value] : request.dimensions)
        input.dimensions[section.dimensionIndex(name)] = ToRational(value) * factor;
    for (std::size_t k = 0; k < section.ties.size(); ++k) {
        const TieSpec& tie = section.ties[k];
        input.ticks[k] = tie.tickedByDefault ? input.ticks[k] && !request.given(tie.tied)
                                             : request.flagged(tie.flag);
    }
    return input;
}

CardRequest CardRequestOf(const Request& request)
{
    const SectionEntry& section = *request.section;
    if (request.rolled && request.rolled->profile) {
        const sortament::Profile& profile = *request.rolled->profile;
        CardRequest card{&section,
                         sortament::ProfileTitle(profile),
                         request.unit,
                         {},
                         {},
                         false,
                         request.gamma.value_or(Val(section.specificWeight)),
                         request.precision};
        card.profile = &profile;
        return card;
    }
    const SectionInput input = InputOf(request);
    CardRequest card{&section,
                     std::string(input.variant ? section.variantTitle : section.title),
                     request.unit,
                     {},
                     input.ticks,
                     input.variant,
                     request.gamma.value_or(Val(section.specificWeight)),
                     request.precision};
    // typed or design texts in the request's unit: a decimal again in that unit
    const Rational factor(UnitFactorOf(request.unit));
    for (const Rational& millimetres : input.dimensions)
        card.dimensions.push_back(ExactDecimal(millimetres / factor).value());
    return card;
}

} // namespace velkor::cli
