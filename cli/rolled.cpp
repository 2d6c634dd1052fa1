#include "rolled.h"

#include "utf8.h"

namespace velkor::cli {
namespace {

std::string quoted(std::string_view text)
{
    return "'" + ValidUtf8(std::string(text)) + "'";
}

template <typename Items, typename Name> std::string joined(const Items& items, Name name)
{
    std::string text;
    for (const auto* item : items)
        text += (text.empty() ? "" : ", ") + std::string(name(*item));
    return text;
}

std::string unknownStandard(std::string_view standard)
{
    return "unknown standard " + quoted(standard) + "; nearest: " +
           joined(sortament::NearestStandards(standard),
                  [](const sortament::Standard& s) { return s.key; });
}

} // namespace

RolledChoice ChooseRolled(std::string_view standard, std::string_view designation)
{
    RolledChoice choice{std::string(standard), std::string(designation), nullptr, {}};
    const sortament::Standard* of = sortament::FindStandard(standard);
    if (of == nullptr) {
        choice.unknown = unknownStandard(standard);
        return choice;
    }
    choice.profile = sortament::FindProfile(*of, designation);
    if (choice.profile == nullptr)
        choice.unknown = "no profile " + quoted(designation) + " in " + std::string(of->key) +
                         " (" + std::string(of->title) + "); nearest: " +
                         joined(sortament::NearestProfiles(*of, designation),
                                [](const sortament::Profile& p) { return p.designation(); });
    return choice;
}

std::optional<std::string> RolledList(std::optional<std::string_view> standard,
                                      std::string& refusal)
{
    std::string text;
    if (!standard) {
        for (const sortament::Standard& s : sortament::Standards())
            text += std::string(s.key) + '\t' + std::string(s.title) + ", " + std::string(s.name) +
                    " (" + std::to_string(sortament::ProfilesOf(s).size()) + ")\n";
        return text;
    }
    const sortament::Standard* of = sortament::FindStandard(*standard);
    if (of == nullptr) {
        refusal = unknownStandard(*standard);
        return std::nullopt;
    }
    for (const sortament::Profile& p : sortament::ProfilesOf(*of))
        text += std::string(p.designation()) + '\n';
    return text;
}

std::string SectionName(const Request& request)
{
    std::string name(request.section->key);
    if (request.rolled)
        name +=
            ' ' + ValidUtf8(request.rolled->standard) + ' ' +
            ValidUtf8(request.rolled->profile ? std::string(request.rolled->profile->designation())
                                              : request.rolled->designation);
    return name;
}

} // namespace velkor::cli
