#include "report.h"

#include "numbers.h"
#include "sortament/rolled_section.h"
#include "utf8.h"

#include <algorithm>
#include <array>

namespace velkor::cli {
namespace {

std::string unitText(LengthUnit unit, const FigureKind& kind)
{
    if (kind.power == Unitless)
        return std::string(kind.fixedUnit);
    return UnitName(unit) + (kind.power > 1 ? std::to_string(kind.power) : std::string());
}

// The batch's columns: those added later stand at the end, so that existing ones keep
// their places.
constexpr std::array<std::string_view, 26> Columns = {
    "A", "Xc", "Yc", "I", "Ix", "Iy", "W",      "Wx",  "Wy", "W1x", "W2x", "W1y", "W2y",
    "i", "ix", "iy", "S", "Sx", "Sy", "weight", "Ixy", "Iu", "Iv",  "iu",  "iv",  "alpha"};
// and with --all those of the design figures that are not among them
constexpr std::array<std::string_view, 14> DesignColumns = {
    "Wplx", "Wply", "xpl", "ypl", "Wu", "Wv", "Ip", "U", "Ui", "surface", "It", "xs", "ys", "Iw"};

// The figures a request asks for, in the order they are written.
std::vector<const FigureKind*> figuresOf(const Request& request)
{
    std::vector<const FigureKind*> figures = request.section->figures;
    if (request.all)
        figures.insert(figures.end(), request.section->designFigures.begin(),
                       request.section->designFigures.end());
    return figures;
}

const ShownFigure* shown(const Display& display, std::string_view symbol)
{
    const auto found = std::find_if(display.figures.begin(), display.figures.end(),
                                    [&](const ShownFigure& f) { return f.kind->symbol == symbol; });
    return found == display.figures.end() ? nullptr : &*found;
}

// A field as RFC 4180 has it, in valid UTF-8: quoted where it holds a comma, a quote or a
// line break, a quote doubled.
std::string csvCell(const std::string& bytes)
{
    std::string text = ValidUtf8(bytes);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quotedText = "\"";
    for (char c : text)
        quotedText += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quotedText + '"';
}

} // namespace

std::string Number(const Decimal& value)
{
    return FormatLocale(value, '.');
}

Answer Calculate(const Request& request)
{
    const SectionEntry& section = *request.section;
    const Decimal gamma = request.gamma.value_or(Val(section.specificWeight));
    const Scope scope = request.all ? Scope::All : Scope::Shown;
    const DisplaySettings settings{request.unit, ToRational(gamma), ToRational(request.precision)};
    if (request.rolled) {
        if (request.rolled->profile == nullptr)
            return Refusal{request.rolled->unknown};
        return ToDisplay(sortament::ComputeProfile(*request.rolled->profile, scope), settings);
    }
    return ToDisplay(Compute(section, InputOf(request), scope), settings);
}

std::string TextReport(const Display& display, const Request& request)
{
    std::string text;
    const auto line = [&](const FigureKind* kind) {
        if (const ShownFigure* figure = shown(display, kind->symbol))
            text += std::string(kind->symbol) + " = " + Number(figure->value) + ' ' +
                    unitText(request.unit, *kind) + '\n';
    };
    for (const FigureKind* kind : request.section->figures)
        line(kind);
    text += "weight = " + Number(display.weight) + " kg/m\n";
    if (request.all)
        for (const FigureKind* kind : request.section->designFigures)
            line(kind);
    return text;
}

std::string JsonString(const std::string& bytes)
{
    std::string quotedText = "\"";
    for (unsigned char c : ValidUtf8(bytes)) {
        if (c == '"' || c == '\\')
            quotedText += '\\';
        if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            quotedText += std::string("\\u00") + hex[c >> 4] + hex[c & 15];
            continue;
        }
        quotedText += static_cast<char>(c);
    }
    return quotedText + '"';
}

std::string JsonReport(const Answer& answer, const Request& request,
                       std::optional<std::uint64_t> line)
{
    std::string json = "{";
    if (line)
        json += "\"line\": " + std::to_string(*line) + ", ";
    json += "\"section\": " + JsonString(std::string(request.section->key));
    if (request.rolled)
        json +=
            ", \"standard\": " + JsonString(request.rolled->standard) + ", \"designation\": " +
            JsonString(request.rolled->profile ? std::string(request.rolled->profile->designation())
                                               : request.rolled->designation);
    json += ", \"unit\": " + JsonString(UnitName(request.unit)) +
            ", \"precision\": " + Number(request.precision);
    if (const auto* refusal = std::get_if<Refusal>(&answer))
        return json + ", \"error\": " + JsonString(refusal->message) + "}";
    const auto& display = std::get<Display>(answer);
    json += ", \"results\": {";
    for (const FigureKind* kind : figuresOf(request))
        if (const ShownFigure* figure = shown(display, kind->symbol))
            json += JsonString(std::string(kind->symbol)) + ": " + Number(figure->value) + ", ";
    return json + "\"weight\": " + Number(display.weight) + "}}";
}

std::string CsvHeader(bool all)
{
    std::string header = "line,section,unit,precision,error";
    for (std::string_view symbol : Columns)
        header += ',' + std::string(symbol);
    if (all)
        for (std::string_view symbol : DesignColumns)
            header += ',' + std::string(symbol);
    return header;
}

std::string CsvRow(std::uint64_t line, const std::string& section, const std::string& unit,
                   const std::string& precision, const std::string& error, const Display* display,
                   bool all)
{
    std::string row = std::to_string(line) + ',' + csvCell(section) + ',' + csvCell(unit) + ',' +
                      csvCell(precision) + ',' + csvCell(error);
    const auto cell = [&](std::string_view symbol) {
        row += ',';
        if (display == nullptr)
            return;
        if (symbol == "weight")
            row += Number(display->weight);
        else if (const ShownFigure* figure = shown(*display, symbol))
            row += Number(figure->value);
    };
    for (std::string_view symbol : Columns)
        cell(symbol);
    if (all)
        for (std::string_view symbol : DesignColumns)
            cell(symbol);
    return row;
}

} // namespace velkor::cli
