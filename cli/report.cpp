#include "report.h"

#include "numbers.h"

#include <algorithm>

namespace velkor::cli {
namespace {

std::string number(double value) { return FormatLocale(value, '.'); }

std::string unitText(LengthUnit unit, int power)
{
    if (power == Degrees)
        return "°";
    return UnitName(unit) + (power > 1 ? std::to_string(power) : std::string());
}

// Shown values by symbol, the weight under "weight".
std::vector<std::pair<std::string_view, double>> values(const Display& display)
{
    std::vector<std::pair<std::string_view, double>> all;
    for (const ShownFigure& figure : display.figures)
        all.emplace_back(figure.symbol, figure.value);
    all.emplace_back("weight", display.weight);
    return all;
}

std::string csvCell(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

} // namespace

Answer Calculate(const Request& request, const SectionCommand& section)
{
    const Dimensions dimensions(request, section.dimensions);
    const SectionOutcome outcome = section.compute(dimensions);
    return ToDisplay(outcome, {request.unit, request.gamma.value_or(section.gamma), request.precision});
}

std::string TextReport(const Answer& answer, const Request& request, const SectionCommand& section)
{
    const auto& display = std::get<Display>(answer);
    std::string text;
    for (const ResultEntry& result : section.results) {
        const auto shown = std::find_if(display.figures.begin(), display.figures.end(),
                                        [&](const ShownFigure& f) { return f.symbol == result.symbol; });
        if (shown != display.figures.end())
            text += std::string(result.symbol) + " = " + number(shown->value) + ' ' +
                    unitText(request.unit, result.power) + '\n';
    }
    return text + "weight = " + number(display.weight) + " kg/m\n";
}

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            quoted += std::string("\\u00") + hex[c >> 4] + hex[c & 15];
            continue;
        }
        quoted += static_cast<char>(c);
    }
    return quoted + '"';
}

std::string JsonReport(const Answer& answer, const Request& request, std::optional<int> line)
{
    std::string json = "{";
    if (line)
        json += "\"line\": " + std::to_string(*line) + ", ";
    json += "\"section\": " + JsonString(request.section) +
                       ", \"unit\": " + JsonString(UnitName(request.unit)) +
                       ", \"precision\": " + number(request.precision);
    if (const auto* refusal = std::get_if<Refusal>(&answer))
        return json + ", \"error\": " + JsonString(refusal->message) + "}";
    json += ", \"results\": {";
    bool first = true;
    for (const auto& [symbol, value] : values(std::get<Display>(answer))) {
        json += (first ? "" : ", ") + JsonString(std::string(symbol)) + ": " + number(value);
        first = false;
    }
    return json + "}}";
}

std::string CsvHeader()
{
    std::string header = "line,section,unit,precision,error";
    for (std::string_view symbol : AllResultSymbols())
        header += ',' + std::string(symbol);
    return header;
}

std::string CsvRow(int line, const std::string& section, const std::string& unit,
                   const std::string& precision, const std::string& error, const Display* display)
{
    std::string row = std::to_string(line) + ',' + csvCell(section) + ',' + csvCell(unit) + ',' +
                      csvCell(precision) + ',' + csvCell(error);
    const auto shown = display ? values(*display) : decltype(values(*display)){};
    for (std::string_view symbol : AllResultSymbols()) {
        row += ',';
        const auto value = std::find_if(shown.begin(), shown.end(),
                                        [&](const auto& v) { return v.first == symbol; });
        if (value != shown.end())
            row += number(value->second);
    }
    return row;
}

} // namespace velkor::cli
