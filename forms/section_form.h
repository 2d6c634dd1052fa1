#pragma once

// Velkor's layers:
//   calc/  pure C++: reading and writing numbers, truncation, the weight rule and one
//          routine per section that turns millimetre dimensions into figures or a refusal;
//   forms/ the calculator windows: SectionForm is the frame all of them share (units,
//          precision, specific weight, weight, Calculate / Printer / Exit, unit switch,
//          printing); each FormN adds its own inputs, ties, sketch and result labels, and
//          Module1's CalcXxx adapter reads them, calls calc/ and shows what comes back;
//   app/   start-up, the main menu and the real platform services (message box, printer).

#include "section.h"
#include "units.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class PlatformServices;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class SectionForm;

// Where a control stands in its grid of inputs or results: a row and a column of controls
// (caption, box or value, unit label). The default row is a new one below all others.
struct GridCell {
    int row = -1;
    int column = 0;
};

// What distinguishes one calculator's frame from another's. Most forms keep the defaults.
struct FrameDescription {
    QString caption;
    void (*routine)(SectionForm&) = nullptr; // Module1's CalcXxx for this form
    QString specificWeight = QStringLiteral("7850");
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

enum class ResultColour { AboutX, AboutY, Area };

// A result label with its caption on the left and its unit label on the right.
struct ResultOutput {
    QString captionName, caption;
    QString labelName, toolTip;
    std::string_view symbol; // the figure of the calculation shown here
    int power;               // 1 length, 2 area, 3 modulus, 4 inertia: picks the unit text
    ResultColour colour;
    QString unitLabelName;
    UnitSpelling spelling = UnitSpelling::Cyrillic;
    GridCell cell = {};
};

class SectionForm : public QWidget {
    Q_OBJECT
public:
    ~SectionForm() override;

    // Module1's routine of this form: reads the inputs, computes, writes labels or complains.
    void calculate();
    // PrintSectionForm: the form without its buttons, on the printer the user picks.
    void printForm();

    velkor::LengthUnit selectedUnit() const;
    // UnitFactor: millimetres per unit of this form's last calculation; 0 before the first.
    int unitFactor() const { return lastUnitFactor; }
    // "Выход" destroys this form; once closed, it only waits for its deletion.
    bool unloadsOnExit() const { return description.exitUnloads; }

    // For the CalcXxx adapters: a box's number in millimetres, and a check box's state.
    velkor::Rational length(const QString& boxName) const;
    bool ticked(const QString& checkBoxName) const;
    // Writes into a box the size derived from a length typed in another one, in the
    // selected unit: for a routine that shows the size it works with.
    void setDerivedLength(const QString& boxName, const QString& typedBoxName,
                          velkor::Real (*derive)(const velkor::Rational& typed));
    // Shows a routine's figures in the selected unit and precision, or its refusal.
    void present(const velkor::SectionOutcome& outcome);

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

protected:
    SectionForm(PlatformServices& services, FrameDescription description);

    // Building blocks for the section's own part of the window, in tab order.
    void setSketch(QWidget* sketch);
    QLineEdit* addLengthInput(const LengthInput& input);
    QCheckBox* addCheckBox(const QString& name, const QString& caption, const QString& toolTip);
    QLabel* addResult(const ResultOutput& output);

    // While `check` is ticked, `tied` is a disabled copy of `source`, rewritten on every
    // change of the source (and so by the unit switch through it). Released, the tied box
    // and its labels are enabled again, keep the copied text and take the focus.
    void addTie(QCheckBox* check, QLineEdit* source, QLineEdit* tied);
    // While `following` holds, `box` shows a value derived from another box: the unit
    // switch converts only the source and leaves the box to follow it.
    void setFollows(QLineEdit* box, std::function<bool()> following);
    // A length box together with its caption and unit label.
    void setLengthEnabled(QLineEdit* box, bool enabled);

private:
    struct ShownResult {
        std::string_view symbol;
        QLabel* label;
    };
    struct UnitLabel {
        QLabel* label;
        int power;
        UnitSpelling spelling;
    };
    struct LengthBox {
        QLineEdit* box;
        QLabel* caption;
        QLabel* unit;
        std::function<bool()> following; // empty: never follows another box
    };
    LengthBox& lengthBox(const QLineEdit* box);

    QWidget* buildUnitsFrame();
    QWidget* buildPrecision();
    void orderTabs();
    void switchUnit(velkor::LengthUnit unit);
    void rescaleLengthBoxes(int oldFactor, int newFactor);

    PlatformServices& services;
    const FrameDescription description;
    int lastUnitFactor = 0;

    QVBoxLayout* sketchArea = nullptr;
    QGridLayout* inputGrid = nullptr;
    QGridLayout* resultGrid = nullptr;
    QHBoxLayout* checkBoxRow = nullptr; // null: check boxes go below the inputs
    std::array<QRadioButton*, 3> unitButtons{};
    QComboBox* precisionList = nullptr;
    QLineEdit* specificWeightBox = nullptr;
    QLabel* weightLabel = nullptr;
    std::array<QPushButton*, 3> commandButtons{};

    std::vector<QWidget*> sectionControls; // the section's own inputs, first in tab order
    std::vector<LengthBox> lengthBoxes;    // rescaled by the unit switch, in this order
    std::vector<UnitLabel> unitLabels;
    std::vector<ShownResult> results;
    std::vector<TieView> tieViews;
};
