#pragma once

// Velkor's layers:
//   calc/   pure C++: reading and writing numbers exactly, truncation, the weight rule, one
//           routine per section and the catalogue that says what each section is (its
//           dimensions, ties, variant, figures and computation);
//   report/ the section card drawn to scale and its report page, on screen, paper and PDF;
//   forms/  the calculator windows: SectionForm is the frame all of them share (units,
//           precision, specific weight, weight, Calculate / Printer / Exit, the unit
//           switch, copying, printing, the section card); each FormN adds its own inputs,
//           ties, sketch and result labels, and binds its boxes to its catalogue entry,
//           which the frame then computes;
//   app/    start-up, the main menu built from the catalogue, the About box and the real
//           platform services (message box, printer, file dialog);
//   cli/    velkor-cli, the same catalogue from the command line.

#include "copied_table.h"
#include "figures.h"
#include "section.h"
#include "section_card.h"
#include "units.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class PlatformServices;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QHideEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QVBoxLayout;
class SectionCardWindow;

// Where a control stands in its grid of inputs or results: a row and a column of controls
// (caption, box or value, unit label). The default row is a new one below all others.
struct GridCell {
    int row = -1;
    int column = 0;
};

// What distinguishes one calculator's frame from another's. Most forms keep the defaults.
struct FrameDescription {
    QString caption;
    std::string_view section; // the catalogue entry the form computes
    int precisionEntries = 8; // "10" … "100000000"; 10 entries go up to "10000000000"
    QString legend;

    QString precisionCaptionName = QStringLiteral("Label43");
    QString specificWeightCaptionName = QStringLiteral("Label29");
    QString specificWeightBoxName = QStringLiteral("Text5");
    QString specificWeightToolTip = QStringLiteral("Удельный вес в кг/м3");
    QString weightCaptionName = QStringLiteral("Label30");
    QString weightResultName = QStringLiteral("Label31");
    QString weightToolTip = QStringLiteral("Вес в кг/м. п.");
    std::array<QString, 3> unitToolTips = {QStringLiteral("Миллиметр"), QStringLiteral("Сантиметр"),
                                           QStringLiteral("Метр")};
    QString versionToolTip;
    QString printToolTip;
    bool exitUnloads = false; // "Выход" destroys the form, so it reopens with its design values
    // Forms with many controls: the check boxes in one row below the precision list, and
    // the weight in a cell of the result grid instead of a row of its own below it.
    bool checkBoxesBelowPrecision = false;
    std::optional<GridCell> weightCell;
};

// How a unit label writes centimetres: a few labels are drawn with a Latin "c".
enum class UnitSpelling {
    Cyrillic,
    LatinAtDesign,      // "cм3" until the first unit switch, then like the others
    LatinInCentimetres, // "см" until the first unit switch, then "cм" for the centimetre
};

// A dimension box with its caption on the left and its unit label on the right.
struct LengthInput {
    QString captionName, caption, captionToolTip;
    QString boxName, text, toolTip;
    QString unitLabelName;
    UnitSpelling spelling = UnitSpelling::Cyrillic;
    GridCell cell = {};
};

// The widgets of one dimension's row.
struct LengthRow {
    QLabel* caption;
    QLineEdit* box;
    QLabel* unit;
};

enum class ResultColour { AboutX, AboutY, Area };

// A result label with its caption on the left and its unit label on the right.
struct ResultOutput {
    QString captionName, caption;
    QString labelName, toolTip;
    const velkor::FigureKind* figure; // shown here, in the unit of its power
    ResultColour colour;
    QString unitLabelName;
    UnitSpelling spelling = UnitSpelling::Cyrillic;
    GridCell cell = {};
};

class SectionForm : public QWidget {
    Q_OBJECT
public:
    ~SectionForm() override;

    // The form's calculation: reads its inputs, computes its catalogue entry and shows the
    // figures, or the refusal in a message box.
    void calculate();
    // PrintSectionForm: the form without its buttons, on the printer the user picks; where
    // there is no printer, into a new PDF file in the documents folder.
    void printForm();
    // What "Копировать результаты" puts on the clipboard: the shown results with the inputs
    // they were computed from, or the inputs alone while no results are shown.
    CopiedTable copiedTable() const;
    // «Паспорт сечения»: the card of the calculation on show, in a window of its own that
    // follows every later calculation, is hidden while a unit switch has left no results,
    // and closes with the form.
    void showSectionCard();
    SectionCardWindow* sectionCard() const;

    velkor::LengthUnit selectedUnit() const;
    // UnitFactor: millimetres per unit of this form's last calculation; 0 before the first.
    int unitFactor() const { return lastUnitFactor; }
    // "Выход" destroys this form; once closed, it only waits for its deletion.
    bool unloadsOnExit() const { return description.exitUnloads; }

    // What the frame knows of this form, for checks of its consistency from outside.
    struct TieView {
        const QCheckBox* check;
        const QLineEdit* source;
        const QLineEdit* tied;
    };
    const std::vector<TieView>& ties() const { return tieViews; }
    std::vector<const QLabel*> resultLabels() const; // without the weight
    const QLabel* weightResult() const { return weightLabel; }
    std::vector<const QLabel*> unitLabelWidgets() const;

    // A calculator opens at its most compact; the user may widen it.
    QSize sizeHint() const override { return minimumSizeHint(); }

signals:
    // A calculation has written every result, `shown` in the selected unit and precision.
    void resultsShown(const velkor::Display& shown);
    // The unit switch has cleared the results.
    void resultsCleared();
    void unitChanged(velkor::LengthUnit unit);

protected:
    SectionForm(PlatformServices& services, FrameDescription description);

    // Building blocks for the section's own part of the window, in tab order.
    void setSketch(QWidget* sketch);
    LengthRow addLengthInput(const LengthInput& input);
    QCheckBox* addCheckBox(const QString& name, const QString& caption, const QString& toolTip);
    QLabel* addResult(const ResultOutput& output);
    // Results that belong together, in a group box titled `title` below the other results;
    // the outputs' rows count from the group's top, their columns are the result grid's.
    void addResultGroup(const QString& name, const QString& title,
                        const std::vector<ResultOutput>& outputs);

    // Which controls hold the inputs of the form's catalogue entry: its dimension boxes and
    // its tie check boxes, each in the entry's order, and its variant switch.
    void bindInputs(std::vector<const QLineEdit*> dimensions, std::vector<const QCheckBox*> ties,
                    const QCheckBox* variant = nullptr);
    // Runs first in every calculation: for a form that shows the size it works with.
    void setBeforeCalculation(std::function<void()> prepare);

    // While `check` is ticked, `tied` is a disabled copy of `source`, rewritten on every
    // change of the source (and so by the unit switch through it). Released, the tied box
    // and its labels are enabled again, keep the copied text and take the focus.
    void addTie(QCheckBox* check, QLineEdit* source, QLineEdit* tied);
    // While `following` holds, `box` shows a value derived from another box: the unit
    // switch converts only the source and leaves the box to follow it.
    void setFollows(QLineEdit* box, std::function<bool()> following);
    // While `unused` holds, the calculation does not read `box` (the shape has no such
    // dimension), so a copy of the inputs leaves it out.
    void setUnused(QLineEdit* box, std::function<bool()> unused);
    // A length box together with its caption and unit label.
    void setLengthEnabled(QLineEdit* box, bool enabled);
    // Shows or hides a length box's row; the window shrinks to what is left.
    void setLengthVisible(QLineEdit* box, bool visible);

    // Return and Enter press "Вычислить", Escape "Выход", wherever the focus is.
    void keyPressEvent(QKeyEvent* event) override;
    // The first opening starts in the first dimension box.
    void showEvent(QShowEvent* event) override;
    // «Выход» takes the form's card along.
    void hideEvent(QHideEvent* event) override;

private:
    struct ShownResult {
        const velkor::FigureKind* figure;
        QLabel* label;
        QString caption; // as copied: the caption label's text
    };
    struct UnitLabel {
        QLabel* label;
        int power;
        UnitSpelling spelling;
    };
    struct LengthBox {
        LengthRow row;
        std::function<bool()> following; // empty: never follows another box
        std::function<bool()> unused;    // empty: always read
    };
    // What the calculation reads: the form's catalogue entry and the controls of its inputs.
    struct Inputs {
        const velkor::SectionEntry* entry = nullptr;
        std::vector<const QLineEdit*> dimensions;
        std::vector<const QCheckBox*> ties;
        const QCheckBox* variant = nullptr;
        std::function<void()> prepare;
    };
    LengthBox& lengthBox(const QLineEdit* box);

    // the frame's own parts (section_form.cpp)
    QWidget* buildUnitsFrame();
    QWidget* buildPrecision();
    QLayout* buildCommands();
    QWidget* buildResultArea();
    void orderTabs();
    QLabel* placeResult(const ResultOutput& output, QGridLayout* grid);
    // the calculation and the unit switch (section_form_calculation.cpp)
    void present(const velkor::SectionOutcome& outcome, velkor::CardRequest read);
    void switchUnit(velkor::LengthUnit unit);
    void clearResults();
    void rescaleLengthBoxes(int oldFactor, int newFactor);
    // copying (section_form_copy.cpp): the visible inputs as the calculation reads them
    void installCopy(QWidget* resultArea);
    void copyOnCtrlC(QWidget* box);
    std::vector<CopiedRow> inputRows() const;

    PlatformServices& services;
    const FrameDescription description;
    Inputs inputs;
    int lastUnitFactor = 0;
    bool opened = false;
    // the inputs and results of the calculation on show; none while no results are shown
    std::optional<CopiedTable> calculated;

    QObject* copyFilter = nullptr;
    QVBoxLayout* sketchArea = nullptr;
    QGridLayout* inputGrid = nullptr;
    QGridLayout* resultGrid = nullptr;
    QVBoxLayout* resultColumn = nullptr;
    QHBoxLayout* checkBoxRow = nullptr; // null: check boxes go below the inputs
    std::array<QRadioButton*, 3> unitButtons{};
    QComboBox* precisionList = nullptr;
    QLabel* specificWeightCaption = nullptr;
    QLineEdit* specificWeightBox = nullptr;
    QLabel* weightCaption = nullptr;
    QLabel* weightLabel = nullptr;
    std::array<QPushButton*, 3> commandButtons{};
    QPushButton* cardButton = nullptr;
    // the calculation on show, for the section card; none while no results are shown
    std::optional<velkor::CardRequest> cardRequest;
    QPointer<SectionCardWindow> cardWindow;
    bool cardAwaitsResults = false; // hidden by a unit switch that cleared the results

    std::vector<QWidget*> sectionControls; // the section's own inputs, first in tab order
    std::vector<LengthBox> lengthBoxes;    // rescaled by the unit switch, in this order
    std::vector<UnitLabel> unitLabels;
    std::vector<ShownResult> results;
    std::vector<TieView> tieViews;
};
