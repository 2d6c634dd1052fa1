// velkor-cli: the calculators' figures from the command line, one section or a batch.
#include "catalogue.h"
#include "numbers.h"
#include "report.h"
#include "report_writer.h"
#include "request.h"
#include "velkor_version.h"

#include <fstream>
#include <iostream>
#include <sstream>

using namespace velkor::cli;

namespace {

constexpr int Refused = 2;
constexpr int UsageFailure = 64;

const char Usage[] = "usage: velkor-cli SECTION [NAME=VALUE ...] [--unit mm|cm|m] [--precision P] "
                     "[--gamma G] [--json] [--all] [--report FILE.pdf] [variant flags]\n"
                     "       velkor-cli --batch FILE|- [--json] [--all]\n"
                     "       velkor-cli --help | --version\n";

// "D=14.2" for a dimension with its design text, "h=(b)" for one that follows a tie.
std::string defaultOf(const velkor::SectionEntry& section, const velkor::DimensionSpec& dimension)
{
    for (const velkor::TieSpec& tie : section.ties)
        if (tie.tied == dimension.name && tie.tickedByDefault &&
            tie.applies != velkor::Applies::InVariant)
            return std::string(dimension.name) + "=(" + std::string(tie.source) + ")";
    return std::string(dimension.name) + "=" + std::string(dimension.defaultText);
}

void printHelp()
{
    std::cout << Usage
              << "\nDimensions are given in the selected unit (default cm) with \".\" or \",\" as "
                 "decimal separator.\nA dimension left out takes the calculator's default text; "
                 "one in brackets follows\nthat dimension unless it is given. Results are cut, "
                 "never rounded, to 1/P\n(default P 1000: three decimals).\n\nSections:\n";
    for (const velkor::SectionEntry& section : velkor::Catalogue()) {
        std::cout << "  " << section.key;
        for (const velkor::DimensionSpec& dimension : section.dimensions) {
            // a dimension that chooses the other shape is the alternative to the base's
            const bool alternative = section.variant && section.variant->chosenBy == dimension.name;
            std::cout << (alternative ? " [or " : " ") << defaultOf(section, dimension)
                      << (alternative ? "]" : "");
        }
        if (section.variant && !section.variant->flag.empty())
            std::cout << " [" << section.variant->flag << ']';
        for (const velkor::TieSpec& tie : section.ties)
            if (!tie.flag.empty())
                std::cout << " [" << tie.flag << ']';
        std::cout << "  (gamma " << section.specificWeight << " kg/m3)\n";
    }
    std::cout << "\n--report FILE.pdf also writes the section card: the inputs, the section drawn "
                 "to scale\nand every figure, on one A4 page.\n"
                 "\nExit status: 0 done, 2 refused by a check, 64 usage error, 69 no report "
                 "writer,\n74 the report could not be written.\n"
                 "A batch reads one call per line (blank lines and # comments skipped) and "
                 "writes CSV, or JSON lines with --json.\n";
}

int usageError(const std::string& reason)
{
    std::cerr << "velkor-cli: " << reason << '\n' << Usage;
    return UsageFailure;
}

int single(const std::vector<std::string>& words)
{
    const auto parsed = ParseRequest(words);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return usageError(usage->reason);
    const Request& request = std::get<Request>(parsed);
    const Answer answer = Calculate(request);
    if (const auto* refusal = std::get_if<velkor::Refusal>(&answer)) {
        std::cerr << refusal->message << '\n';
        return Refused;
    }
    std::cout << (request.json ? JsonReport(answer, request) + '\n'
                               : TextReport(std::get<velkor::Display>(answer), request));
    return request.report ? WriteReport(words) : 0;
}

int batch(std::istream& input, bool json, bool all)
{
    std::ostringstream out;
    if (!json)
        out << CsvHeader(all) << '\n';
    bool anyFailed = false;
    std::string line;
    for (long number = 1; std::getline(input, line); ++number) {
        const auto words = SplitWords(line);
        if (words.empty() || words.front().starts_with('#'))
            continue;
        auto parsed = ParseRequest(words);
        if (const auto* request = std::get_if<Request>(&parsed); request && request->report)
            parsed = UsageError{"--report is for one section, not for a batch line"};
        if (const auto* usage = std::get_if<UsageError>(&parsed)) {
            anyFailed = true;
            if (json)
                out << "{\"line\": " << number << ", \"error\": " << JsonString(usage->reason)
                    << "}\n";
            else
                out << CsvRow(number, words.front(), "", "", usage->reason, nullptr, all) << '\n';
            continue;
        }
        Request request = std::get<Request>(parsed);
        request.all = request.all || all;
        const Answer answer = Calculate(request);
        const auto* display = std::get_if<velkor::Display>(&answer);
        anyFailed = anyFailed || display == nullptr;
        if (json) {
            out << JsonReport(answer, request, number) << '\n';
        } else {
            const std::string error = display ? "" : std::get<velkor::Refusal>(answer).message;
            out << CsvRow(number, std::string(request.section->key), UnitName(request.unit),
                          Number(request.precision), error, display, all)
                << '\n';
        }
    }
    std::cout << out.str();
    return anyFailed ? Refused : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty())
        return usageError("no section given");
    if (words.front() == "--help" || words.front() == "-h") {
        printHelp();
        return 0;
    }
    if (words.front() == "--version") {
        std::cout << "velkor-cli " << velkor::VersionText << '\n';
        return 0;
    }
    if (words.front() != "--batch")
        return single(words);

    if (words.size() < 2)
        return usageError("--batch needs a file name or -");
    bool json = false, all = false;
    for (std::size_t k = 2; k < words.size(); ++k) {
        if (words[k] == "--json")
            json = true;
        else if (words[k] == "--all")
            all = true;
        else
            return usageError("unknown batch option '" + words[k] + "'");
    }
    if (words[1] == "-")
        return batch(std::cin, json, all);
    std::ifstream file(words[1]);
    if (!file)
        return usageError("cannot read '" + words[1] + "'");
    return batch(file, json, all);
}
