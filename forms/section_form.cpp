// The frame's own parts: the precision list, the units, the specific weight, the result
// area with the weight, the legend and version, the commands; the keyboard and the window.
#include "section_form.h"

#include "accessibility.h"
#include "catalogue.h"
#include "form_printout.h"
#include "frame_widgets.h"
#include "legend_label.h"
#include "number_text.h"
#include "page_printing.h"
#include "section_card_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <stdexcept>

using velkor::LengthUnit;

SectionForm::SectionForm(PlatformServices& services, FrameDescription frame)
    : services(services)
    , description(std::move(frame))
{
    inputs.entry = velkor::FindSection(description.section);
    if (inputs.entry == nullptr)
        throw std::logic_error("a calculator of no section in the catalogue");
    setWindowTitle(description.caption);

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
    specificWeightCaption = captionLabel(description.specificWeightCaptionName,
                                         QStringLiteral("Удельный вес кг/м. куб."));
    right->addWidget(specificWeightCaption);
    specificWeightBox =
        named(new QLineEdit(QString::fromUtf8(inputs.entry->specificWeight.data(),
                                              qsizetype(inputs.entry->specificWeight.size()))),
              description.specificWeightBoxName);
    specificWeightBox->setAlignment(Qt::AlignRight);
    setHint(specificWeightBox, description.specificWeightToolTip);
    specificWeightCaption->setBuddy(specificWeightBox);
    right->addWidget(specificWeightBox);
    right->addStretch();

    top->addLayout(left);
    top->addSpacing(16);
    top->addLayout(right);
    root->addLayout(top);

    root->addWidget(blueRule());
    root->addWidget(buildResultArea());
    root->addWidget(blueRule());

    auto* bottom = new QHBoxLayout;
    auto* notes = new QVBoxLayout;
    auto* legend = named(new LegendLabel(description.legend), QStringLiteral("Label17"));
    auto* version =
        captionLabel(QStringLiteral("Label18"),
                     QStringLiteral("Velkor  v. ") + versionText() + QStringLiteral("  2004"));
    if (!description.versionToolTip.isEmpty())
        version->setToolTip(description.versionToolTip);
    notes->addWidget(legend);
    notes->addStretch();
    notes->addWidget(version);
    bottom->addLayout(notes);
    bottom->addStretch();
    bottom->addLayout(buildCommands());
    root->addLayout(bottom);

    copyOnCtrlC(specificWeightBox);
    copyOnCtrlC(precisionList->lineEdit());
}

SectionForm::~SectionForm() = default;

QWidget* SectionForm::buildPrecision()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label =
        captionLabel(description.precisionCaptionName, QStringLiteral("Точность результатов:"));
    precisionList = named(new QComboBox, QStringLiteral("Combo1"));
    precisionList->setEditable(true);
    precisionList->setInsertPolicy(QComboBox::NoInsert);
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

// The result area: its grid, the weight, and the menu and Ctrl+C that copy the results.
QWidget* SectionForm::buildResultArea()
{
    auto* resultArea = named(new QWidget, QStringLiteral("ResultArea"));
    resultColumn = new QVBoxLayout(resultArea);
    resultColumn->setContentsMargins(0, 0, 0, 0);
    resultGrid = new QGridLayout;
    resultColumn->addLayout(resultGrid);
    weightCaption = captionLabel(description.weightCaptionName, QStringLiteral("Вес кг/м"));
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
    installCopy(resultArea);
    return resultArea;
}

// "Вычислить", "Принтер" and "Выход" one above the other, «Паспорт сечения» beside
// «Принтер».
QLayout* SectionForm::buildCommands()
{
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
    return buttons;
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

void SectionForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // minimising the form leaves its card
    if (!event->spontaneous() && cardWindow) {
        cardWindow->close();
        cardAwaitsResults = false;
    }
}
