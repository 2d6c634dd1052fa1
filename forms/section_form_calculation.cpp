// The calculation: the bound inputs read as typed, the catalogue entry computed, the figures
// shown in the selected unit and precision; the unit switch; the section card that follows.
#include "section_form.h"

#include "frame_widgets.h"
#include "number_text.h"
#include "numbers.h"
#include "platform_services.h"
#include "section_card_window.h"
#include "unit_switch.h"
#include "window_placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <stdexcept>

using velkor::LengthUnit;

namespace {

velkor::Decimal typed(const QLineEdit* box)
{
    return velkor::Val(box->text().toStdString());
}

} // namespace

void SectionForm::bindInputs(std::vector<const QLineEdit*> dimensions,
                             std::vector<const QCheckBox*> ties, const QCheckBox* variant)
{
    const velkor::SectionEntry& entry = *inputs.entry;
    if (dimensions.size() != entry.dimensions.size() || ties.size() != entry.ties.size() ||
        (variant != nullptr) != entry.variant.has_value())
        throw std::logic_error("a calculator's inputs do not match its catalogue entry");
    inputs.dimensions = std::move(dimensions);
    inputs.ties = std::move(ties);
    inputs.variant = variant;
}

void SectionForm::setBeforeCalculation(std::function<void()> prepare)
{
    inputs.prepare = std::move(prepare);
}

void SectionForm::calculate()
{
    if (inputs.prepare)
        inputs.prepare();
    const LengthUnit unit = selectedUnit();
    velkor::CardRequest read;
    read.entry = inputs.entry;
    velkor::SectionInput input;
    for (const QLineEdit* box : inputs.dimensions) {
        read.dimensions.push_back(typed(box));
        input.dimensions.push_back(
            velkor::ToRational(velkor::InMillimetres(read.dimensions.back(), unit)));
    }
    for (const QCheckBox* tie : inputs.ties)
        input.ticks.push_back(tie->isChecked());
    input.variant = inputs.variant != nullptr && inputs.variant->isChecked();
    read.ticks = input.ticks;
    read.variant = input.variant;
    present(velkor::Compute(*inputs.entry, std::move(input)), std::move(read));
}

void SectionForm::present(const velkor::SectionOutcome& outcome, velkor::CardRequest read)
{
    const LengthUnit unit = selectedUnit();
    lastUnitFactor = velkor::UnitFactorOf(unit);
    read.title = windowTitle().toStdString();
    read.unit = unit;
    read.specificWeight = typed(specificWeightBox);
    read.precision = typed(precisionList->lineEdit());
    const velkor::DisplaySettings settings{unit, velkor::ToRational(read.specificWeight),
                                           velkor::ToRational(read.precision)};
    const auto shown = velkor::ToDisplay(outcome, settings);
    if (const auto* refusal = std::get_if<velkor::Refusal>(&shown)) {
        services.showError(this, QString::fromStdString(refusal->message));
        return;
    }
    const auto& display = std::get<velkor::Display>(shown);
    for (const velkor::ShownFigure& figure : display.figures) {
        const auto slot = std::find_if(results.begin(), results.end(), [&](const ShownResult& r) {
            return r.figure == figure.kind;
        });
        if (slot != results.end())
            slot->label->setText(formatNumber(figure.value));
    }
    weightLabel->setText(formatNumber(display.weight));

    CopiedTable table{windowTitle(), inputRows()};
    for (const ShownResult& r : results)
        if (!r.label->isHidden() && !r.label->text().isEmpty())
            table.rows.push_back({r.caption, r.label->text(), unitText(unit, r.figure->power)});
    table.rows.push_back({weightCaption->text(), weightLabel->text(), {}});
    calculated = std::move(table);
    cardRequest = std::move(read);
    cardButton->setEnabled(true);
    if (cardWindow && (cardWindow->isVisible() || cardAwaitsResults))
        showSectionCard();
    cardAwaitsResults = false;
    emit resultsShown(display);
}

SectionCardWindow* SectionForm::sectionCard() const
{
    return cardWindow;
}

void SectionForm::showSectionCard()
{
    if (!cardRequest)
        return;
    const auto card = velkor::MakeCard(*cardRequest, userDecimalSeparator());
    // the calculator has shown these figures, so the card has them too
    if (std::holds_alternative<velkor::Refusal>(card))
        return;
    if (!cardWindow) {
        cardWindow = new SectionCardWindow(services, this);
        moveBeside(*cardWindow, *this, 0);
    }
    cardWindow->showCard(std::get<velkor::SectionCard>(card));
    cardWindow->show();
    cardWindow->raise();
}

void SectionForm::clearResults()
{
    for (const ShownResult& r : results)
        r.label->clear();
    calculated.reset();
    cardRequest.reset();
    cardButton->setEnabled(false);
    // an open card shows nothing while there are no results, and comes back with them
    if (cardWindow && cardWindow->isVisible()) {
        cardWindow->hide();
        cardAwaitsResults = true;
    }
    emit resultsCleared();
}

void SectionForm::switchUnit(LengthUnit unit)
{
    for (const UnitLabel& u : unitLabels)
        u.label->setText(unitText(unit, u.power, u.spelling == UnitSpelling::LatinInCentimetres));
    emit unitChanged(unit);
    clearResults();

    const int oldFactor = lastUnitFactor;
    const int newFactor = velkor::UnitFactorOf(unit);
    // Before the first calculation nobody knows which unit the inputs were typed in.
    if (oldFactor == 0 || oldFactor == newFactor)
        return;
    rescaleLengthBoxes(oldFactor, newFactor);
    calculate();
}

void SectionForm::rescaleLengthBoxes(int oldFactor, int newFactor)
{
    for (const LengthBox& length : lengthBoxes) {
        // a box that follows another one is rewritten when its source converts
        if (length.following && length.following())
            continue;
        const auto value =
            velkor::RescaledLength(length.row.box->text().toStdString(), oldFactor, newFactor);
        if (value) // else nothing to convert: keep what the user typed
            length.row.box->setText(formatNumber(*value));
    }
}
