#pragma once

// What a section routine's figures look like on a form: in the selected unit, cut, written
// with a "." separator, followed by the weight.

#include "numbers.h"
#include "section.h"

#include <QStringList>

#include <charconv>
#include <variant>

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

// The figures named by `symbols`, in that order, then the weight; or the refusal's message.
inline QStringList shownFigures(const velkor::SectionOutcome& outcome, velkor::LengthUnit unit,
                                const QStringList& symbols, const char* precision = "1000",
                                const char* specificWeight = "7850")
{
    const auto shown = velkor::ToDisplay(outcome, {unit, typed(specificWeight), typed(precision)});
    if (const auto* refusal = std::get_if<velkor::Refusal>(&shown))
        return {QString::fromStdString(refusal->message)};
    const auto& display = std::get<velkor::Display>(shown);
    QStringList texts;
    for (const QString& symbol : symbols)
        for (const velkor::ShownFigure& figure : display.figures)
            if (QString::fromUtf8(figure.kind->symbol.data(),
                                  qsizetype(figure.kind->symbol.size())) == symbol)
                texts << written(figure.value);
    texts << written(display.weight);
    return texts;
}
