// The building blocks a calculator adds its own part of the window with: its sketch, its
// dimension rows and check boxes with their ties, and its result rows.
#include "section_form.h"

#include "accessibility.h"
#include "frame_widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

using velkor::LengthUnit;

void SectionForm::setSketch(QWidget* sketch)
{
    sketchArea->addWidget(sketch);
}

LengthRow SectionForm::addLengthInput(const LengthInput& input)
{
    auto* label = captionLabel(input.captionName, input.caption);
    if (!input.captionToolTip.isEmpty())
        label->setToolTip(input.captionToolTip);
    auto* box = named(new QLineEdit(input.text), input.boxName);
    box->setAlignment(Qt::AlignRight);
    setHint(box, input.toolTip);
    label->setBuddy(box);
    copyOnCtrlC(box);
    auto* unit =
        captionLabel(input.unitLabelName, unitText(LengthUnit::Centimetre, velkor::Length,
                                                   input.spelling == UnitSpelling::LatinAtDesign));
    placeInCell(inputGrid, input.cell, {label, box, unit});
    const LengthRow row{label, box, unit};
    lengthBoxes.push_back({row, {}, {}});
    unitLabels.push_back({unit, velkor::Length, input.spelling});
    sectionControls.push_back(box);
    orderTabs();
    return row;
}

QCheckBox* SectionForm::addCheckBox(const QString& name, const QString& captionText,
                                    const QString& toolTip)
{
    auto* check = named(new QCheckBox(captionText), name);
    setHint(check, toolTip);
    if (checkBoxRow != nullptr)
        checkBoxRow->addWidget(check);
    else
        inputGrid->addWidget(check, inputGrid->rowCount(), 0, 1, 3);
    sectionControls.push_back(check);
    orderTabs();
    return check;
}

QLabel* SectionForm::placeResult(const ResultOutput& output, QGridLayout* grid)
{
    auto* label = captionLabel(output.captionName, output.caption);
    auto* result = resultLabel(output.labelName, output.colour);
    describeResult(result, output.caption, output.toolTip);
    auto* unit = captionLabel(output.unitLabelName,
                              unitText(LengthUnit::Centimetre, output.figure->power,
                                       output.spelling == UnitSpelling::LatinAtDesign));
    placeInCell(grid, output.cell, {label, result, unit});
    grid->setColumnStretch(4 * output.cell.column + 3, 1);
    results.push_back({output.figure, result, output.caption});
    unitLabels.push_back({unit, output.figure->power, output.spelling});
    return result;
}

QLabel* SectionForm::addResult(const ResultOutput& output)
{
    return placeResult(output, resultGrid);
}

void SectionForm::addResultGroup(const QString& name, const QString& title,
                                 const std::vector<ResultOutput>& outputs)
{
    auto* group = named(new QGroupBox(title), name);
    // The rows sit in a plain widget inside the group: a screen reader names a label that
    // has no text by the title of a group box it stands in directly, and so would announce
    // every empty result as the group's title.
    auto* cells = new QWidget;
    auto* frame = new QVBoxLayout(group);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(cells);
    auto* inner = new QGridLayout(cells);
    for (const ResultOutput& output : outputs)
        placeResult(output, inner);
    // the columns of the result grid, so that the group's values stand under the others
    const int columns = std::max(resultGrid->columnCount(), inner->columnCount());
    for (int column = 0; column < columns; ++column) {
        inner->setColumnMinimumWidth(column, resultGrid->columnMinimumWidth(column));
        inner->setColumnStretch(column, resultGrid->columnStretch(column));
    }
    resultGrid->addWidget(group, resultGrid->rowCount(), 0, 1, columns);
}

SectionForm::LengthBox& SectionForm::lengthBox(const QLineEdit* box)
{
    return *std::find_if(lengthBoxes.begin(), lengthBoxes.end(),
                         [box](const LengthBox& length) { return length.row.box == box; });
}

void SectionForm::setLengthEnabled(QLineEdit* box, bool enabled)
{
    const LengthRow& row = lengthBox(box).row;
    for (QWidget* widget : {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.box),
                            static_cast<QWidget*>(row.unit)})
        widget->setEnabled(enabled);
}

void SectionForm::setLengthVisible(QLineEdit* box, bool visible)
{
    const LengthRow& row = lengthBox(box).row;
    for (QWidget* widget : {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.box),
                            static_cast<QWidget*>(row.unit)})
        widget->setVisible(visible);
    // a window grows by itself for rows that appear, but keeps the room of hidden ones
    layout()->activate();
    resize(width(), sizeHint().height());
}

void SectionForm::setFollows(QLineEdit* box, std::function<bool()> following)
{
    lengthBox(box).following = std::move(following);
}

void SectionForm::setUnused(QLineEdit* box, std::function<bool()> unused)
{
    lengthBox(box).unused = std::move(unused);
}

void SectionForm::addTie(QCheckBox* check, QLineEdit* source, QLineEdit* tied)
{
    const auto apply = [this, source, tied](bool on) {
        if (on)
            tied->setText(source->text());
        setLengthEnabled(tied, !on);
    };
    apply(check->isChecked());
    connect(check, &QCheckBox::toggled, this, [apply, tied](bool on) {
        apply(on);
        if (!on)
            tied->setFocus();
    });
    connect(source, &QLineEdit::textChanged, this, [check, tied](const QString& text) {
        if (check->isChecked())
            tied->setText(text);
    });
    setFollows(tied, [check] { return check->isChecked(); });
    tieViews.push_back({check, source, tied});
}

std::vector<const QLabel*> SectionForm::resultLabels() const
{
    std::vector<const QLabel*> labels;
    for (const ShownResult& result : results)
        labels.push_back(result.label);
    return labels;
}

std::vector<const QLabel*> SectionForm::unitLabelWidgets() const
{
    std::vector<const QLabel*> labels;
    for (const UnitLabel& unit : unitLabels)
        labels.push_back(unit.label);
    return labels;
}
