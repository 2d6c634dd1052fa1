#pragma once

// What a section routine's figures look like on a form: in the selected unit, cut, written
// with a "." separator, followed by the weight.

#include "numbers.h"
#include "section.h"

#include <QStringList>

#include <charconv>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// A dimension as a user types it: the shortest decimal that reads back as this double,
// so a table may write 5.2 and mean five and two tenths, not its binary neighbour.
inline velkor::Rational typed(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return velkor::ToRational(velkor::Val(std::string_view(text, std::size_t(end - text))));
}

// A number typed as text, exactly.
inline velkor::Rational typed(const char* text)
{
    return velkor::ToRational(velkor::Val(text));
}

inline QString written(const velkor::Decimal& value)
{
    return QString::fromStdString(velkor::FormatLocale(value, '.'));
}

// What the calculator shows for `outcome` with the precision and the specific weight typed
// as these texts: the figures in `unit`, cut, and the weight; or the refusal.
inline std::variant<velkor::Display, velkor::Refusal>
displayed(const velkor::SectionOutcome& outcome, velkor::LengthUnit unit,
          const char* precision = "1000", const char* specificWeight = "7850")
{
    return velkor::ToDisplay(outcome, {unit, typed(specificWeight), typed(precision)});
}

// Each shown figure as its symbol and its text, in the order shown.
inline std::vector<std::pair<std::string, std::string>>
writtenFigures(const velkor::Display& display)
{
    std::vector<std::pair<std::string, std::string>> texts;
    for (const velkor::ShownFigure& figure : display.figures)
        texts.emplace_back(std::string(figure.kind->symbol),
                           velkor::FormatLocale(figure.value, '.'));
    return texts;
}

// The figures named by `symbols`, in that order, then the weight; or the refusal's message.
inline QStringList shownFigures(const velkor::SectionOutcome& outcome, velkor::LengthUnit unit,
                                const QStringList& symbols, const char* precision = "1000",
                                const char* specificWeight = "7850")
{
    const auto shown = displayed(outcome, unit, precision, specificWeight);
    if (const auto* refusal = std::get_if<velkor::Refusal>(&shown))
        return {QString::fromStdString(refusal->message)};
    const auto& display = std::get<velkor::Display>(shown);
    const auto figures = writtenFigures(display);
    QStringList texts;
    for (const QString& symbol : symbols)
        for (const auto& [shownSymbol, text] : figures)
            if (QString::fromStdString(shownSymbol) == symbol)
                texts << QString::fromStdString(text);
    texts << written(display.weight);
    return texts;
}
