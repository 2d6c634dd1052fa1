#include "batch.h"

#include "line_reader.h"
#include "numbers.h"
#include "report.h"
#include "request.h"
#include "rolled.h"
#include "utf8.h"

namespace velkor::cli {
namespace {

LineAnswer failedLine(std::uint64_t number, const std::string& section, const std::string& reason,
                      const BatchOptions& options)
{
    if (options.json)
        return {"{\"line\": " + std::to_string(number) + ", \"error\": " + JsonString(reason) +
                    "}\n",
                true, reason};
    return {CsvRow(number, section, "", "", reason, nullptr, options.all) + '\n', true, reason};
}

} // namespace

LineAnswer AnswerLine(std::string_view line, std::uint64_t number, const BatchOptions& options,
                      bool tooLong)
{
    const auto words = SplitWords(ValidUtf8(number == 1 ? WithoutByteOrderMark(line) : line));
    if (words.empty() || words.front().starts_with('#'))
        return {};
    if (tooLong)
        return failedLine(number, words.front(),
                          "line longer than " + std::to_string(LineReader::MaxLineBytes) + " bytes",
                          options);
    auto parsed = ParseRequest(words);
    if (const auto* request = std::get_if<Request>(&parsed); request && request->report)
        parsed = UsageError{"--report is for one section, not for a batch line"};
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return failedLine(number, words.front(), usage->reason, options);
    Request request = std::get<Request>(parsed);
    request.all = request.all || options.all;
    const Answer answer = Calculate(request);
    const auto* display = std::get_if<Display>(&answer);
    const std::string refusal = display ? "" : std::get<Refusal>(answer).message;
    if (options.json)
        return {JsonReport(answer, request, number) + '\n', display == nullptr, refusal};
    return {CsvRow(number, SectionName(request), UnitName(request.unit), Number(request.precision),
                   refusal, display, options.all) +
                '\n',
            display == nullptr, refusal};
}

} // namespace velkor::cli
