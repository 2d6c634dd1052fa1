#pragma once

// What a section routine's figures look like on a form: in the selected unit, truncated,
// written with a "." separator, followed by the weight.

#include "numbers.h"
#include "section.h"

#include <QStringList>

#include <variant>

// The figures named by `symbols`, in that order, then the weight; or the refusal's message.
inline QStringList shownFigures(const velkor::SectionOutcome& outcome, velkor::LengthUnit unit,
                                const QStringList& symbols, float precision = 1000)
{
    const auto shown = velkor::ToDisplay(outcome, {unit, 7850, precision});
    if (const auto* refusal = std::get_if<velkor::Refusal>(&shown))
        return {QString::fromStdString(refusal->message)};
    const auto& display = std::get<velkor::Display>(shown);
    QStringList texts;
    for (const QString& symbol : symbols)
        for (const velkor::ShownFigure& figure : display.figures)
            if (QString::fromUtf8(figure.symbol.data(), qsizetype(figure.symbol.size())) == symbol)
                texts << QString::fromStdString(velkor::FormatLocale(figure.value, '.'));
    texts << QString::fromStdString(velkor::FormatLocale(display.weight, '.'));
    return texts;
}
