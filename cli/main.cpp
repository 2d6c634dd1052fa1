// velkor-cli: the calculators' figures from the command line, one section or a batch.
#include "batch.h"
#include "catalogue.h"
#include "exit_status.h"
#include "line_reader.h"
#include "numbers.h"
#include "output.h"
#include "report.h"
#include "report_writer.h"
#include "request.h"
#include "rolled.h"
#include "utf8.h"
#include "velkor_version.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace velkor::cli;

namespace {

const char Usage[] =
    "usage: velkor-cli SECTION [NAME=VALUE ...] [--unit mm|cm|m] [--precision P] "
    "[--gamma G] [--json] [--all] [--report FILE.pdf] [variant flags]\n"
    "       velkor-cli rolled STANDARD DESIGNATION [--unit mm|cm|m] [--precision P] "
    "[--gamma G] [--json] [--all] [--report FILE.pdf]\n"
    "       velkor-cli rolled --list [STANDARD]\n"
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

std::string helpText()
{
    std::ostringstream help;
    help << Usage
         << "\nDimensions are given in the selected unit (default cm) with \".\" or \",\" as "
            "decimal separator.\nA dimension left out takes the calculator's default text; "
            "one in brackets follows\nthat dimension unless it is given. Results are cut, "
            "never rounded, to 1/P\n(default P 1000: three decimals).\n\nSections:\n";
    for (const velkor::SectionEntry& section : velkor::Catalogue()) {
        help << "  " << section.key;
        for (const velkor::DimensionSpec& dimension : section.dimensions) {
            // a dimension that chooses the other shape is the alternative to the base's
            const bool alternative = section.variant && section.variant->chosenBy == dimension.name;
            help << (alternative ? " [or " : " ") << defaultOf(section, dimension)
                 << (alternative ? "]" : "");
        }
        if (section.variant && !section.variant->flag.empty())
            help << " [" << section.variant->flag << ']';
        for (const velkor::TieSpec& tie : section.ties)
            if (!tie.flag.empty())
                help << " [" << tie.flag << ']';
        help << "  (gamma " << section.specificWeight << " kg/m3)\n";
    }
    help << "\nRolled profiles (velkor-cli rolled --list STANDARD lists the designations):\n";
    for (const velkor::sortament::Standard& standard : velkor::sortament::Standards())
        help << "  rolled " << standard.key << "  " << standard.title << ", " << standard.name
             << '\n';
    help << "A designation is written as the standard writes it, or with \",\" for \".\", a "
            "Cyrillic\nх or \"×\" for \"x\", blanks, a leading \"L\" on an angle, or without the "
            "series\n(\"200\" under ipe); an unknown one is refused with the nearest ones.\n";
    help << "\n--report FILE.pdf also writes the section card: the inputs, the section drawn to "
            "scale\nand every figure, on one A4 page.\n"
            "\nExit status: 0 done, 2 refused by a check or an unknown rolled standard or "
            "designation,\n64 usage error, 66 batch file missing, unreadable or a folder, 69 no "
            "report writer,\n74 results or report that could not be written.\n"
            "A batch reads one call per line (blank lines and # comments skipped) and writes "
            "CSV,\nor JSON lines with --json, each line's answer as soon as it is computed; a "
            "line\nthat fails is named on standard error.\n";
    return help.str();
}

int usageError(const std::string& reason)
{
    std::cerr << "velkor-cli: " << ValidUtf8(reason) << '\n' << Usage;
    return exit_status::Usage;
}

// `where` is empty, or names the batch line whose answer was being written.
int writeFailure(int error, const std::string& where = {})
{
    std::cerr << "velkor-cli: " << where << "cannot write the results: " << std::strerror(error)
              << '\n';
    return exit_status::WriteFailed;
}

// The batch file `name` (- for the standard input) could not be read.
int readFailure(const std::string& name, int error)
{
    std::cerr << "velkor-cli: cannot read "
              << (name == "-" ? std::string("standard input") : "'" + ValidUtf8(name) + "'") << ": "
              << std::strerror(error) << '\n';
    return exit_status::NoInput;
}

// Writes `text` to the standard output: Done, or WriteFailed with its message.
int written(const std::string& text)
{
    Output out(STDOUT_FILENO);
    out.write(text);
    return out.flush() ? exit_status::Done : writeFailure(out.error());
}

int single(const std::vector<std::string>& words)
{
    const auto parsed = ParseRequest(words);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return usageError(usage->reason);
    const Request& request = std::get<Request>(parsed);
    const Answer answer = Calculate(request);
    if (const auto* refusal = std::get_if<velkor::Refusal>(&answer)) {
        std::cerr << "velkor-cli: " << refusal->message << '\n';
        return exit_status::Refused;
    }
    const int status =
        written(request.json ? JsonReport(answer, request) + '\n'
                             : TextReport(std::get<velkor::Display>(answer), request));
    return status == exit_status::Done && request.report ? WriteReport(words) : status;
}

// The batch's input, open and known to be readable as a stream: a descriptor, or -1 after
// the message.
int openBatchInput(const std::string& name, bool& regularFile)
{
    const int fd = name == "-" ? STDIN_FILENO : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        readFailure(name, errno);
        return -1;
    }
    if (S_ISDIR(status.st_mode)) {
        readFailure(name, EISDIR);
        return -1;
    }
    regularFile = S_ISREG(status.st_mode);
    return fd;
}

// Answers the lines as they come. From a file the answers go out in large blocks; from a
// pipe or terminal each one at once, so that velkor-cli can stand in a pipeline.
int batch(const std::string& name, const BatchOptions& options)
{
    bool regularFile = false;
    const int fd = openBatchInput(name, regularFile);
    if (fd < 0)
        return exit_status::NoInput;
    LineReader reader(fd);
    Output out(STDOUT_FILENO);
    if (!options.json)
        out.write(CsvHeader(options.all) + '\n');
    bool anyFailed = false;
    std::string line;
    for (std::uint64_t number = 1;; ++number) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End)
            break;
        if (status == LineReader::Status::Failed) {
            out.flush();
            return readFailure(name, reader.error());
        }
        const LineAnswer answer = AnswerLine(line, number, options, reader.lastLineTooLong());
        if (answer.failed)
            std::cerr << "velkor-cli: line " << number << ": " << answer.reason << '\n';
        anyFailed = anyFailed || answer.failed;
        out.write(answer.output);
        if (!regularFile)
            out.flush();
        if (out.failed())
            return writeFailure(out.error(), "line " + std::to_string(number) + ": ");
    }
    if (!out.flush())
        return writeFailure(out.error());
    return anyFailed ? exit_status::Refused : exit_status::Done;
}

// rolled --list [STANDARD]
int rolledList(const std::vector<std::string>& words)
{
    if (words.size() > 3)
        return usageError("rolled --list takes one standard at most");
    std::string refusal;
    const auto list = RolledList(
        words.size() == 3 ? std::optional<std::string_view>(words[2]) : std::nullopt, refusal);
    if (!list) {
        std::cerr << "velkor-cli: " << refusal << '\n';
        return exit_status::Refused;
    }
    return written(*list);
}

int batchCall(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        return usageError("--batch needs a file name or -");
    BatchOptions options;
    for (std::size_t k = 2; k < words.size(); ++k) {
        if (words[k] == "--json")
            options.json = true;
        else if (words[k] == "--all")
            options.all = true;
        else
            return usageError("unknown batch option '" + words[k] + "'");
    }
    return batch(words[1], options);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty())
        return usageError("no section given");
    if (words.front() == "--help" || words.front() == "-h")
        return written(helpText());
    if (words.front() == "--version")
        return written("velkor-cli " + std::string(velkor::VersionText) + '\n');
    if (words.front() == "--batch")
        return batchCall(words);
    if (words.size() >= 2 && words[0] == "rolled" && words[1] == "--list")
        return rolledList(words);
    return single(words);
}
