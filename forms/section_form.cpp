#include "section_form.h"

#include "accessibility.h"
#include "form_printout.h"
#include "legend_label.h"
#include "number_text.h"
#include "numbers.h"
#include "page_printing.h"
#include "platform_services.h"
#include "section_card_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using velkor::LengthUnit;

namespace {

QString unitText(LengthUnit unit, int power, bool latinC = false)
{
    if (power == velkor::Degrees)
        return QStringLiteral("°");
    QString text;
    switch (unit) {
    case LengthUnit::Millimetre:
        text = QStringLiteral("мм");
        break;
    case LengthUnit::Centimetre:
        text = latinC ? QStringLiteral("cм") : QStringLiteral("см");
        break;
    case LengthUnit::Metre:
        text = QStringLiteral("м");
        break;
    }
    return power > 1 ? text + QString::number(power) : text;
}

QColor colourOf(ResultColour colour)
{
    switch (colour) {
    case ResultColour::AboutX:
        return Qt::red;
    case ResultColour::AboutY:
        return Qt::darkGreen;
    case ResultColour::Area:
        break;
    }
    return Qt::blue;
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* caption(const QString& name, const QString& text)
{
    return named(new QLabel(text), name);
}

QLabel* resultLabel(const QString& name, ResultColour colour)
{
    auto* label = named(new QLabel, name);
    label->setFrameShape(QFrame::Box);
    label->setMinimumWidth(110);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // a right click on a value offers the result area's menu, not a menu for the value alone
    label->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colourOf(colour));
    label->setPalette(palette);
    return label;
}

// Puts a caption, a box or value and a unit label (if any) into `cell` of `grid`. Each
// column of cells takes four grid columns, the fourth one a gap before the next.
void placeInCell(QGridLayout* grid, GridCell cell, const std::array<QWidget*, 3>& widgets)
{
    const int row = cell.row < 0 ? grid->rowCount() : cell.row;
    for (int k = 0; k < 3; ++k)
        if (widgets[k] != nullptr)
            grid->addWidget(widgets[k], row, 4 * cell.column + k);
    if (cell.column > 0)
        grid->setColumnMinimumWidth(4 * cell.column - 1, 16);
}

QFrame* blueRule()
{
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setLineWidth(1);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    rule->setPalette(palette);
    return rule;
}

constexpr char CopyFilterName[] = "CopyWhenNothingSelected";

// Ctrl+C in a box without a selection would copy nothing: left to the form, it copies the
// results. With a selection the box copies it as usual.
class CopyWhenNothingSelected : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* box = qobject_cast<QLineEdit*>(watched);
        // not accepted by the box, the key falls through to the form's shortcut
        return box != nullptr && !box->hasSelectedText() &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    }
};

} // namespace

SectionForm::SectionForm(PlatformServices& services, FrameDescription frame)
    : services(services)
    , description(std::move(frame))
{
    setWindowTitle(description.caption);
    // every text box of the form takes this filter
    auto* copyFilter =
        named(new CopyWhenNothingSelected(this), QString::fromLatin1(CopyFilterName));

    auto* root = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    sketchArea = new QVBoxLayout;
    inputGrid = new QGridLayout;
    left->addLayout(sketchArea);
    left->addLayout(inputGrid);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(buildPrecision());
    if (description.checkBoxesBelowPrecision) {
        checkBoxRow = new QHBoxLayout;
        right->addLayout(checkBoxRow);
    }
    right->addWidget(buildUnitsFrame());
    specificWeightCaption =
        caption(description.specificWeightCaptionName, QStringLiteral("Удельный вес кг/м. куб."));
    right->addWidget(specificWeightCaption);
    specificWeightBox =
        named(new QLineEdit(description.specificWeight), description.specificWeightBoxName);
    specificWeightBox->setAlignment(Qt::AlignRight);
    setHint(specificWeightBox, description.specificWeightToolTip);
    specificWeightBox->installEventFilter(copyFilter);
    specificWeightCaption->setBuddy(specificWeightBox);
    right->addWidget(specificWeightBox);
    right->addStretch();

    top->addLayout(left);
    top->addSpacing(16);
    top->addLayout(right);
    root->addLayout(top);

    root->addWidget(blueRule());
    // the result area: its menu and Ctrl+C copy the form's inputs and results
    auto* resultArea = named(new QWidget, QStringLiteral("ResultArea"));
    auto* resultColumn = new QVBoxLayout(resultArea);
    resultColumn->setContentsMargins(0, 0, 0, 0);
    resultGrid = new QGridLayout;
    resultColumn->addLayout(resultGrid);
    root->addWidget(resultArea);
    weightCaption = caption(description.weightCaptionName, QStringLiteral("Вес кг/м"));
    weightLabel = resultLabel(description.weightResultName, ResultColour::Area);
    describeResult(weightLabel, weightCaption->text(), description.weightToolTip);
    if (description.weightCell) {
        placeInCell(resultGrid, *description.weightCell, {weightCaption, weightLabel, nullptr});
    } else {
        auto* weightRow = new QHBoxLayout;
        weightRow->addWidget(weightCaption);
        weightRow->addWidget(weightLabel);
        weightRow->addStretch();
        resultColumn->addLayout(weightRow);
    }
    root->addWidget(blueRule());

    auto* copy = named(new QAction(QStringLiteral("Копировать результаты"), this),
                       QStringLiteral("CopyResults"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    resultArea->addAction(copy);
    resultArea->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setMimeData(clipboardData(copiedTable())); });

    auto* bottom = new QHBoxLayout;
    auto* notes = new QVBoxLayout;
    auto* legend = named(new LegendLabel(description.legend), QStringLiteral("Label17"));
    auto* version =
        caption(QStringLiteral("Label18"),
                QStringLiteral("Velkor  v. ") + versionText() + QStringLiteral("  2004"));
    if (!description.versionToolTip.isEmpty())
        version->setToolTip(description.versionToolTip);
    notes->addWidget(legend);
    notes->addStretch();
    notes->addWidget(version);
    bottom->addLayout(notes);
    bottom->addStretch();

    // the commands one above the other, the card beside «Принтер»
    auto* buttons = new QGridLayout;
    const std::array<std::pair<const char*, QString>, 3> commands = {{
        {"Command1", QStringLiteral("Вычислить")},
        {"Command3", QStringLiteral("Принтер")},
        {"Command2", QStringLiteral("Выход")},
    }};
    for (std::size_t k = 0; k < commands.size(); ++k) {
        auto* button = named(new QPushButton(commands[k].second), commands[k].first);
        // as in a dialog: Return presses the focused button
        button->setAutoDefault(true);
        buttons->addWidget(button, int(k), 1);
        commandButtons[k] = button;
    }
    // the card of the calculation on show: none before the first one
    cardButton =
        named(new QPushButton(QStringLiteral("Паспорт сечения")), QStringLiteral("CommandCard"));
    cardButton->setAutoDefault(true);
    cardButton->setEnabled(false);
    setHint(cardButton,
            QStringLiteral("Все характеристики сечения, чертёж в масштабе и отчёт PDF"));
    buttons->addWidget(cardButton, 1, 0);
    connect(cardButton, &QPushButton::clicked, this, &SectionForm::showSectionCard);
    commandButtons[0]->setDefault(true);
    setHint(commandButtons[0], QStringLiteral("Расчет"));
    if (!description.printToolTip.isEmpty())
        setHint(commandButtons[1], description.printToolTip);
    setHint(commandButtons[2], QStringLiteral("Выход"));
    connect(commandButtons[0], &QPushButton::clicked, this, &SectionForm::calculate);
    connect(commandButtons[1], &QPushButton::clicked, this, &SectionForm::printForm);
    if (description.exitUnloads) {
        setAttribute(Qt::WA_DeleteOnClose);
        connect(commandButtons[2], &QPushButton::clicked, this, &QWidget::close);
    } else {
        connect(commandButtons[2], &QPushButton::clicked, this, &QWidget::hide);
    }
    bottom->addLayout(buttons);
    root->addLayout(bottom);
}

SectionForm::~SectionForm() = default;

QWidget* SectionForm::buildPrecision()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label =
        caption(description.precisionCaptionName, QStringLiteral("Точность результатов:"));
    precisionList = named(new QComboBox, QStringLiteral("Combo1"));
    precisionList->setEditable(true);
    precisionList->setInsertPolicy(QComboBox::NoInsert);
    precisionList->lineEdit()->installEventFilter(
        findChild<QObject*>(QString::fromLatin1(CopyFilterName), Qt::FindDirectChildrenOnly));
    QString entry = QStringLiteral("1");
    for (int k = 0; k < description.precisionEntries; ++k) {
        entry += QLatin1Char('0');
        precisionList->addItem(entry);
    }
    precisionList->setCurrentIndex(precisionList->findText(QStringLiteral("1000")));
    setHint(precisionList, QStringLiteral("Знаки после запятой"));
    label->setBuddy(precisionList);
    // Picking an entry recalculates at once; typed text waits for the next calculation.
    // An editable list would also "activate" an entry when typing that ends in its text
    // merely loses the focus, so that path is cut.
    disconnect(precisionList->lineEdit(), &QLineEdit::editingFinished, precisionList, nullptr);
    connect(precisionList, &QComboBox::activated, this, &SectionForm::calculate);
    row->addWidget(label);
    row->addWidget(precisionList);
    return box;
}

QWidget* SectionForm::buildUnitsFrame()
{
    auto* frame =
        named(new QGroupBox(QStringLiteral("Единицы измерения:")), QStringLiteral("Frame1"));
    setHint(frame, QStringLiteral("Единицы измерения"));
    auto* column = new QVBoxLayout(frame);
    const std::array<QString, 3> captions = {QStringLiteral("миллиметр"),
                                             QStringLiteral("сантиметр"), QStringLiteral("метр")};
    const std::array<LengthUnit, 3> units = {LengthUnit::Millimetre, LengthUnit::Centimetre,
                                             LengthUnit::Metre};
    // Tab enters the group at the selected unit, the arrow keys move within it
    const auto tabToSelected = [this] {
        for (QRadioButton* option : unitButtons)
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (std::size_t k = 0; k < units.size(); ++k) {
        auto* option = named(new QRadioButton(captions[k]), QStringLiteral("Option%1").arg(k + 1));
        setHint(option, description.unitToolTips[k]);
        option->setChecked(units[k] == LengthUnit::Centimetre);
        const LengthUnit unit = units[k];
        // toggled, not clicked: a change by code or assistive technology switches too
        connect(option, &QRadioButton::toggled, this, [this, unit, tabToSelected](bool selected) {
            tabToSelected();
            if (selected)
                switchUnit(unit);
        });
        column->addWidget(option);
        unitButtons[k] = option;
    }
    tabToSelected();
    return frame;
}

void SectionForm::setSketch(QWidget* sketch)
{
    sketchArea->addWidget(sketch);
}

QLineEdit* SectionForm::addLengthInput(const LengthInput& input)
{
    auto* label = caption(input.captionName, input.caption);
    if (!input.captionToolTip.isEmpty())
        label->setToolTip(input.captionToolTip);
    auto* box = named(new QLineEdit(input.text), input.boxName);
    box->setAlignment(Qt::AlignRight);
    setHint(box, input.toolTip);
    label->setBuddy(box);
    box->installEventFilter(
        findChild<QObject*>(QString::fromLatin1(CopyFilterName), Qt::FindDirectChildrenOnly));
    auto* unit =
        caption(input.unitLabelName, unitText(LengthUnit::Centimetre, velkor::Length,
                                              input.spelling == UnitSpelling::LatinAtDesign));
    placeInCell(inputGrid, input.cell, {label, box, unit});
    lengthBoxes.push_back({box, label, unit, {}, {}});
    unitLabels.push_back({unit, velkor::Length, input.spelling});
    sectionControls.push_back(box);
    orderTabs();
    return box;
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

QLabel* SectionForm::addResult(const ResultOutput& output)
{
    auto* label = caption(output.captionName, output.caption);
    auto* result = resultLabel(output.labelName, output.colour);
    describeResult(result, output.caption, output.toolTip);
    auto* unit =
        caption(output.unitLabelName, unitText(LengthUnit::Centimetre, output.power,
                                               output.spelling == UnitSpelling::LatinAtDesign));
    placeInCell(resultGrid, output.cell, {label, result, unit});
    resultGrid->setColumnStretch(4 * output.cell.column + 3, 1);
    results.push_back({output.symbol, result, label, output.power});
    unitLabels.push_back({unit, output.power, output.spelling});
    return result;
}

SectionForm::LengthBox& SectionForm::lengthBox(const QLineEdit* box)
{
    return *std::find_if(lengthBoxes.begin(), lengthBoxes.end(),
                         [box](const LengthBox& length) { return length.box == box; });
}

void SectionForm::setLengthEnabled(QLineEdit* box, bool enabled)
{
    const LengthBox& length = lengthBox(box);
    for (QWidget* widget : {static_cast<QWidget*>(length.caption), static_cast<QWidget*>(box),
                            static_cast<QWidget*>(length.unit)})
        widget->setEnabled(enabled);
}

void SectionForm::setLengthVisible(QLineEdit* box, bool visible)
{
    const LengthBox& length = lengthBox(box);
    for (QWidget* widget : {static_cast<QWidget*>(length.caption), static_cast<QWidget*>(box),
                            static_cast<QWidget*>(length.unit)})
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

void SectionForm::orderTabs()
{
    std::vector<QWidget*> chain = sectionControls;
    chain.insert(chain.end(),
                 {precisionList, unitButtons[0], unitButtons[1], unitButtons[2], specificWeightBox,
                  commandButtons[0], commandButtons[1], cardButton, commandButtons[2]});
    for (std::size_t k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);
}

LengthUnit SectionForm::selectedUnit() const
{
    if (unitButtons[0]->isChecked())
        return LengthUnit::Millimetre;
    if (unitButtons[1]->isChecked())
        return LengthUnit::Centimetre;
    return LengthUnit::Metre;
}

velkor::Decimal SectionForm::typedNumber(const QString& boxName) const
{
    return velkor::Val(findChild<QLineEdit*>(boxName)->text().toStdString());
}

velkor::Rational SectionForm::length(const QString& boxName) const
{
    return velkor::ToRational(velkor::InMillimetres(typedNumber(boxName), selectedUnit()));
}

bool SectionForm::ticked(const QString& checkBoxName) const
{
    return findChild<QCheckBox*>(checkBoxName)->isChecked();
}

void SectionForm::setDerivedLength(const QString& boxName, const QString& typedBoxName,
                                   velkor::Real (*derive)(const velkor::Rational& typed))
{
    // in the unit of the typed box: both sizes are lengths
    findChild<QLineEdit*>(boxName)->setText(
        formatDerived(readNumber(findChild<QLineEdit*>(typedBoxName)->text()), derive));
}

void SectionForm::calculate()
{
    description.routine(*this);
}

void SectionForm::present(const velkor::SectionOutcome& outcome, velkor::CardRequest read)
{
    const LengthUnit unit = selectedUnit();
    lastUnitFactor = velkor::UnitFactorOf(unit);
    read.title = windowTitle().toStdString();
    read.unit = unit;
    read.specificWeight = velkor::Val(specificWeightBox->text().toStdString());
    read.precision = velkor::Val(precisionList->currentText().toStdString());
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
            return r.symbol == figure.kind->symbol;
        });
        if (slot != results.end())
            slot->label->setText(formatNumber(figure.value));
    }
    weightLabel->setText(formatNumber(display.weight));

    CopiedTable table{windowTitle(), inputRows()};
    for (const ShownResult& r : results)
        if (!r.label->isHidden() && !r.label->text().isEmpty())
            table.rows.push_back({r.caption->text(), r.label->text(), unitText(unit, r.power)});
    table.rows.push_back({weightCaption->text(), weightLabel->text(), {}});
    calculated = std::move(table);
    cardRequest = std::move(read);
    cardButton->setEnabled(true);
    if (cardWindow && (cardWindow->isVisible() || cardAwaitsResults))
        showSectionCard();
    cardAwaitsResults = false;
    emit resultsShown();
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
    if (!cardWindow)
        cardWindow = new SectionCardWindow(services, this);
    cardWindow->showCard(std::get<velkor::SectionCard>(card));
    cardWindow->show();
    cardWindow->raise();
}

std::vector<CopiedRow> SectionForm::inputRows() const
{
    // a number as the calculation reads it, with the user's separator; other text as it is
    const auto value = [](const QLineEdit* box) {
        const auto number = velkor::LeadingNumber(box->text().toStdString());
        return number ? formatNumber(*number) : box->text();
    };
    const QString unit = unitText(selectedUnit(), velkor::Length);
    std::vector<CopiedRow> rows;
    for (const LengthBox& length : lengthBoxes)
        if (!length.box->isHidden() && !(length.unused && length.unused()))
            rows.push_back({length.caption->text(), value(length.box), unit});
    rows.push_back({specificWeightCaption->text(), value(specificWeightBox), {}});
    return rows;
}

CopiedTable SectionForm::copiedTable() const
{
    // typing after a calculation or a refused one changes the boxes, not what was computed
    return calculated ? *calculated : CopiedTable{windowTitle(), inputRows()};
}

void SectionForm::switchUnit(LengthUnit unit)
{
    for (const UnitLabel& u : unitLabels)
        u.label->setText(unitText(unit, u.power, u.spelling == UnitSpelling::LatinInCentimetres));
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
        auto value = velkor::LeadingNumber(length.box->text().toStdString());
        if (!value)
            continue; // nothing to convert: keep what the user typed
        // ×10, ×100, ×1000 or the inverse move the decimal point: exactly a decimal again
        int ratio = oldFactor > newFactor ? oldFactor / newFactor : newFactor / oldFactor;
        for (; ratio > 1; ratio /= 10)
            value->exponent += oldFactor > newFactor ? 1 : -1;
        if (!velkor::BeyondOrdinaryRange(velkor::ToRational(*value)))
            length.box->setText(formatNumber(*value));
    }
}

void SectionForm::printForm()
{
    printPage(
        services, this, windowTitle(), QStringLiteral("Форма сохранена в файл "),
        [this](QPainter& painter, const QRectF& page) { paintPrintout(painter, *this, page); });
}

void SectionForm::keyPressEvent(QKeyEvent* event)
{
    // the keys reach the form when the focused control has no use for them
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commandButtons[0]->click();
            return;
        case Qt::Key_Escape:
            commandButtons[2]->click();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

void SectionForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // «Выход» takes the form's card along; minimising the form leaves it
    if (!event->spontaneous() && cardWindow) {
        cardWindow->close();
        cardAwaitsResults = false;
    }
}

void SectionForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (opened)
        return; // shown again, the form keeps the focus where the user left it
    opened = true;
    for (QWidget* control : sectionControls)
        if (qobject_cast<QLineEdit*>(control) != nullptr && control->isEnabled() &&
            !control->isHidden()) {
            control->setFocus();
            break;
        }
}
