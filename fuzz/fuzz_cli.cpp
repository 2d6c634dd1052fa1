// velkor-cli's batch line on arbitrary bytes: a skipped line writes nothing; any other
// line one CSV record with the header's fields (RFC 4180) or one JSON object on a line,
// in valid UTF-8, with the line number and the error or the results; and the text report
// of an answered request is valid UTF-8, one "SYMBOL = NUMBER UNIT" a line.
#include "batch.h"
#include "fuzz_bytes.h"
#include "output_checks.h"
#include "report.h"
#include "request.h"
#include "utf8.h"

#include <string>
#include <vector>

using namespace velkor::cli;

namespace {

void checkCsv(const LineAnswer& answer, std::uint64_t number, bool all)
{
    std::vector<std::string> fields, header;
    require(output_checks::CsvRecord(answer.output, fields));
    require(output_checks::CsvRecord(CsvHeader(all) + '\n', header));
    require(fields.size() == header.size());
    require(fields[0] == std::to_string(number));
    require(answer.failed == !fields[4].empty());
}

void checkJson(const LineAnswer& answer, std::uint64_t number)
{
    const std::string& out = answer.output;
    require(out.find('\n') == out.size() - 1);
    require(output_checks::IsJson(out));
    require(out.starts_with("{\"line\": " + std::to_string(number) + ", "));
    require(answer.failed == (out.find("\"error\": ") != std::string::npos));
}

void checkTextReport(std::string_view line)
{
    const auto parsed = ParseRequest(SplitWords(ValidUtf8(line)));
    const auto* request = std::get_if<Request>(&parsed);
    require(request != nullptr);
    const Answer answer = Calculate(*request);
    const auto* display = std::get_if<velkor::Display>(&answer);
    require(display != nullptr);
    const std::string text = TextReport(*display, *request);
    require(IsValidUtf8(text) && text.ends_with('\n'));
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find('\n', from);
        const std::string_view row(text.data() + from, end - from);
        require(row.find(" = ") != std::string_view::npos && row.find(' ') > 0);
        from = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    const std::uint8_t choice = bytes.byte();
    const BatchOptions options{(choice & 1) != 0, (choice & 2) != 0};
    // the first line (where a byte order mark is skipped), or a line far down the file
    const std::uint64_t number = (choice & 4) != 0 ? 1 : (std::uint64_t(1) << 63) + choice;
    const std::string_view line = bytes.left();

    const LineAnswer answer = AnswerLine(line, number, options, (choice & 8) != 0);
    require(IsValidUtf8(answer.output) && IsValidUtf8(answer.reason));
    if (answer.output.empty()) {
        require(!answer.failed);
        return 0;
    }
    if (options.json)
        checkJson(answer, number);
    else
        checkCsv(answer, number, options.all);
    if (!answer.failed)
        checkTextReport(number == 1 ? WithoutByteOrderMark(line) : line);
    return 0;
}
