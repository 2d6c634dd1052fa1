#include "section_card.h"

#include "numbers.h"
#include "sortament/printed_values.h"
#include "sortament/rolled_section.h"
#include "truncation.h"

#include <algorithm>
#include <array>

namespace velkor {
namespace {

using namespace figure;

struct Group {
    FigureGroup group;
    std::vector<const FigureKind*> figures; // in the order a report lists them
};

const std::array<Group, 5>& groups()
{
    static const std::array<Group, 5> table = {{
        {FigureGroup::Geometry, {&A, &Xc, &Yc, &U, &Ui}},
        {FigureGroup::Elastic,
         {&I,   &Ix,  &Iy, &Ixy, &Ip, &Iu, &Iv, &alpha, &W,  &Wx, &Wy, &W1x, &W2x,
          &W1y, &W2y, &Wu, &Wv,  &i,  &ix, &iy, &iu,    &iv, &S,  &Sx, &Sy}},
        {FigureGroup::Plastic, {&xpl, &ypl, &Wplx, &Wply}},
        {FigureGroup::Torsion, {&It, &xs, &ys, &Iw}},
        {FigureGroup::SurfaceAndWeight, {&surface}},
    }};
    return table;
}

std::string number(const Decimal& value, char separator)
{
    return FormatLocale(value, separator);
}

// A length in millimetres written in `unit`: exactly when it has a decimal (a typed size
// always has), else to 15 significant digits.
std::string lengthText(const Rational& millimetres, LengthUnit unit, char separator)
{
    const Rational inUnit = millimetres / UnitFactorOf(unit);
    if (const auto exact = ExactDecimal(inUnit))
        return number(*exact, separator);
    return number(RoundedToSignificantDigits(Real(inUnit), 15), separator);
}

std::vector<CardInput> inputsOf(const CardRequest& request, char separator)
{
    const SectionEntry& entry = *request.entry;
    const std::string unit = RussianUnit(request.unit, Length);
    std::vector<CardInput> inputs = {{"Единицы", std::string(RussianUnitName(request.unit))}};
    std::vector<Decimal> values = request.dimensions;
    std::vector<std::string> notes(values.size());
    for (std::size_t k = 0; k < entry.ties.size(); ++k) {
        const TieSpec& tie = entry.ties[k];
        if (!request.ticks[k] || !entry.tieApplies(tie, request.variant))
            continue;
        const std::size_t tied = entry.dimensionIndex(tie.tied);
        values[tied] = values[entry.dimensionIndex(tie.source)];
        notes[tied] = " (" + std::string(tie.tied) + " = " + std::string(tie.source) + ")";
    }
    for (std::size_t k = 0; k < values.size(); ++k) {
        const std::string_view name = entry.dimensions[k].name;
        if (entry.uses(name, request.variant))
            inputs.push_back(
                {std::string(name), number(values[k], separator) + ' ' + unit + notes[k]});
    }
    inputs.push_back({"Удельный вес", number(request.specificWeight, separator) + " кг/м3"});
    inputs.push_back({"Точность", number(request.precision, separator)});
    return inputs;
}

std::vector<CardRow> rowsOf(const Display& display, LengthUnit unit, char separator)
{
    std::vector<CardRow> rows;
    for (const Group& group : groups())
        for (const FigureKind* kind : group.figures) {
            const auto shown = std::find_if(display.figures.begin(), display.figures.end(),
                                            [&](const ShownFigure& f) { return f.kind == kind; });
            if (shown != display.figures.end())
                rows.push_back({group.group, std::string(kind->name), std::string(kind->symbol),
                                number(shown->value, separator), RussianUnit(unit, *kind),
                                std::string(shown->model)});
        }
    rows.push_back({FigureGroup::SurfaceAndWeight, "Масса одного погонного метра", "weight",
                    number(display.weight, separator), "кг/м", ""});
    return rows;
}

SectionInput inMillimetres(const CardRequest& request)
{
    SectionInput input{{}, request.ticks, request.variant};
    for (const Decimal& typed : request.dimensions)
        input.dimensions.push_back(ToRational(InMillimetres(typed, request.unit)));
    return input;
}

// The standard's printed values beside the rows of the figures they stand for.
void addPrinted(std::vector<CardRow>& rows, const sortament::Profile& profile,
                const ArcSectionFigures& figures, LengthUnit unit, char separator)
{
    for (const sortament::PrintedComparison& c : sortament::CompareWithPrinted(profile, figures)) {
        if (!c.compared)
            continue;
        const std::string symbol = c.kind != nullptr             ? std::string(c.kind->symbol)
                                   : c.printed->column == "mass" ? "weight"
                                                                 : std::string();
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const CardRow& r) { return r.symbol == symbol; });
        if (symbol.empty() || row == rows.end() || !row->printed.empty())
            continue;
        row->printed = number(sortament::PrintedInUnit(c, unit), separator);
        row->differsFromPrinted = c.agreement == sortament::Agreement::Differs;
    }
}

// A rolled profile's card: its standard, designation and dimensions as the inputs, the
// printed values beside the computed ones.
std::variant<SectionCard, Refusal> rolledCard(const CardRequest& request, char separator)
{
    const sortament::Profile& profile = *request.profile;
    const ArcSectionFigures figures = sortament::ProfileFigures(profile);
    const SectionProperties properties =
        figures.properties(sortament::RolledFigureKinds(Scope::All));
    const auto display = ToDisplay(properties, {request.unit, ToRational(request.specificWeight),
                                                ToRational(request.precision)});
    if (const auto* refusal = std::get_if<Refusal>(&display))
        return *refusal;

    SectionCard card;
    card.title = request.title;
    card.inputs = {{"Единицы", std::string(RussianUnitName(request.unit))},
                   {"Стандарт", std::string(profile.standard().title)},
                   {"Профиль", std::string(profile.designation())}};
    const std::string unit = RussianUnit(request.unit, Length);
    for (const sortament::Dimension& d : profile.dimensions())
        card.inputs.push_back(
            {std::string(d.name),
             lengthText(ToRational(d.millimetres), request.unit, separator) + ' ' + unit});
    card.inputs.push_back({"Удельный вес", number(request.specificWeight, separator) + " кг/м3"});
    card.inputs.push_back({"Точность", number(request.precision, separator)});
    card.rows = rowsOf(std::get<Display>(display), request.unit, separator);
    addPrinted(card.rows, profile, figures, request.unit, separator);
    card.drawing = PlaceDrawing(sortament::ProfileDrawing(profile), properties);
    for (const DimensionLine& line : card.drawing.shape.dimensions)
        card.dimensionLabels.push_back(std::string(line.name) + " = " +
                                       lengthText(line.length, request.unit, separator));
    return card;
}

} // namespace

std::string_view GroupTitle(FigureGroup group)
{
    switch (group) {
    case FigureGroup::Geometry:
        return "Геометрия";
    case FigureGroup::Elastic:
        return "Упругие характеристики";
    case FigureGroup::Plastic:
        return "Пластические характеристики";
    case FigureGroup::Torsion:
        return "Кручение и депланация";
    case FigureGroup::SurfaceAndWeight:
        return "Поверхность и масса";
    }
    return {};
}

std::vector<std::string> NotesOf(const SectionCard& card)
{
    std::vector<std::string> notes;
    for (const CardRow& row : card.rows)
        if (!row.note.empty() && std::find(notes.begin(), notes.end(), row.note) == notes.end())
            notes.push_back(row.note);
    return notes;
}

std::string_view RussianUnitName(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Millimetre:
        return "миллиметр";
    case LengthUnit::Centimetre:
        return "сантиметр";
    case LengthUnit::Metre:
        return "метр";
    }
    return {};
}

std::string RussianUnit(LengthUnit unit, const FigureKind& kind)
{
    return kind.power == Unitless ? std::string(kind.fixedUnitRussian)
                                  : RussianUnit(unit, kind.power);
}

std::string RussianUnit(LengthUnit unit, int power)
{
    const std::string name = unit == LengthUnit::Millimetre   ? "мм"
                             : unit == LengthUnit::Centimetre ? "см"
                                                              : "м";
    return power > 1 ? name + std::to_string(power) : name;
}

std::variant<SectionCard, Refusal> MakeCard(const CardRequest& request, char decimalSeparator)
{
    if (request.profile != nullptr)
        return rolledCard(request, decimalSeparator);
    const SectionEntry& entry = *request.entry;
    const SectionInput input = inMillimetres(request);
    const SectionOutcome outcome = Compute(entry, input, Scope::All);
    const auto display = ToDisplay(
        outcome, {request.unit, ToRational(request.specificWeight), ToRational(request.precision)});
    if (const auto* refusal = std::get_if<Refusal>(&display))
        return *refusal;

    SectionCard card;
    card.title = request.title;
    card.inputs = inputsOf(request, decimalSeparator);
    card.rows = rowsOf(std::get<Display>(display), request.unit, decimalSeparator);
    card.drawing = PlaceDrawing(entry.shape(ResolvedDimensions(entry, input)),
                                std::get<SectionProperties>(outcome));
    for (const DimensionLine& line : card.drawing.shape.dimensions)
        card.dimensionLabels.push_back(std::string(line.name) + " = " +
                                       lengthText(line.length, request.unit, decimalSeparator));
    return card;
}

} // namespace velkor
