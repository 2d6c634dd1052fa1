#pragma once

#include "section_form.h"
#include "section_sketch.h"

#include <QSize>

#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

// What the sketch of a flanged section shows: the shape and the ties it draws.
struct FlangedSketchState {
    bool angle = false;
    bool equalWidths = false;       // B1 = B2
    bool equalLegs = false;         // B2 = H
    bool equalLegThickness = false; // t2 = s
    // the angle α of the results on show, in degrees; none while no results are shown
    std::optional<double> principalAngle;
};

// What tells the channel calculator and the Z calculator apart.
struct FlangedFormDescription {
    FrameDescription frame;
    QString sectionCaption; // the caption when the angle switch is released
    QString heightToolTip, webToolTip, widthToolTip, thicknessToolTip;
    // tooltips of H and s while the angle is shown; empty: they stay
    QString angleHeightToolTip, angleWebToolTip;
    QString flangeThickness; // design text of t1 and t2
    QString switchCaption, switchToolTip;
    // releasing the angle ties B1 and t1 to B2 and t2 again instead of freeing them
    bool flangesTiedAfterAngle = false;
    QSize sketchSize;
    std::vector<SketchElement> (*sketch)(const FlangedSketchState&) = nullptr;
};

// A web of height H and thickness s with an upper flange B1 × t1 and a lower flange B2 × t2,
// or with the angle switch ticked an angle of the web and the lower flange. Four check
// boxes tie B1 to B2 and t1 to t2 (the flanged section), B2 to H and t2 to s (the angle).
class FlangedSectionForm : public SectionForm {
    Q_OBJECT
public:
    const SectionSketch& sketch() const { return *drawing; }

protected:
    FlangedSectionForm(PlatformServices& services, FlangedFormDescription description);

private:
    void addResults();
    void addPrincipalAxesResults();
    void showAngle();
    void showFlangedSection();
    FlangedSketchState sketchState() const;
    void redraw();
    // The sketch draws the principal axes of the results on show, at the angle they give,
    // and only on the shape they were computed for.
    void showPrincipalAxes(std::optional<double> alpha);

    const FlangedFormDescription texts;
    SectionSketch* drawing;
    QLineEdit* height;
    QLineEdit* web;
    QLineEdit* upperWidth;
    QLineEdit* lowerWidth;
    QLineEdit* upperThickness;
    QLineEdit* lowerThickness;
    QCheckBox* angleSwitch;
    QCheckBox* equalLegs;         // Check4: B2 = H
    QCheckBox* equalLegThickness; // Check5: t2 = s
    QCheckBox* equalWidths;       // Check3: B1 = B2
    QCheckBox* equalThicknesses;  // Check2: t1 = t2
    std::optional<double> principalAngle;
};
