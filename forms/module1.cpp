#include "module1.h"

#include "cross_section.h"
#include "flanged_section.h"
#include "hexagon_section.h"
#include "ibeam_section.h"
#include "rectangle_section.h"
#include "rectangular_tube_section.h"
#include "rhombus_section.h"
#include "round_section.h"
#include "section_form.h"

void CalcRoundSection(SectionForm& form)
{
    const bool solid = form.ticked(QStringLiteral("Check1"));
    // a solid bar's wall is half its diameter, so Text2 is not read
    const double t = solid ? 0.0 : form.length(QStringLiteral("Text2"));
    form.present(velkor::CalcRoundSection({form.length(QStringLiteral("Text1")), t, solid}));
}

namespace {

// Every box is read; the routine decides which of them the ties override.
velkor::FlangedSectionInput flangedInput(const SectionForm& form)
{
    return {form.length(QStringLiteral("Text3")),   form.length(QStringLiteral("Text4")),
            form.length(QStringLiteral("Text1")),   form.length(QStringLiteral("Text2")),
            form.length(QStringLiteral("Text7")),   form.length(QStringLiteral("Text6")),
            form.ticked(QStringLiteral("Check1")), form.ticked(QStringLiteral("Check3")),
            form.ticked(QStringLiteral("Check2")), form.ticked(QStringLiteral("Check4"))};
}

} // namespace

void CalcChannel(SectionForm& form)
{
    form.present(velkor::CalcChannel(flangedInput(form)));
}

void CalcZSection(SectionForm& form)
{
    form.present(velkor::CalcZSection(flangedInput(form)));
}

void CalcRectangularTube(SectionForm& form)
{
    // the routine itself takes a tied wall or height from its source
    form.present(velkor::CalcRectangularTube(
        {form.length(QStringLiteral("Text1")), form.length(QStringLiteral("Text2")),
         form.length(QStringLiteral("Text3")), form.length(QStringLiteral("Text4")),
         form.ticked(QStringLiteral("Check1")), form.ticked(QStringLiteral("Check2"))}));
}

void CalcRectangle(SectionForm& form)
{
    form.present(velkor::CalcRectangle({form.length(QStringLiteral("Text1")),
                                        form.length(QStringLiteral("Text3")),
                                        form.ticked(QStringLiteral("Check1"))}));
}

void CalcRhombus(SectionForm& form)
{
    form.present(velkor::CalcRhombus({form.length(QStringLiteral("Text1"))}));
}

void CalcHexagon(SectionForm& form)
{
    const bool acrossFlats = form.ticked(QStringLiteral("Check1"));
    const velkor::HexagonInput input{
        form.length(acrossFlats ? QStringLiteral("Text3") : QStringLiteral("Text1")), acrossFlats};
    // sized by H, the routine shows the radius it works with, even when it then refuses
    if (acrossFlats)
        form.setLength(QStringLiteral("Text1"), velkor::HexagonRadius(input));
    form.present(velkor::CalcHexagon(input));
}

void CalcCross(SectionForm& form)
{
    const double B = form.length(QStringLiteral("Text1"));
    const double b = form.length(QStringLiteral("Text2"));
    // a tied length is its source's, whatever its own box holds
    const double H =
        form.ticked(QStringLiteral("Check2")) ? B : form.length(QStringLiteral("Text3"));
    const double h =
        form.ticked(QStringLiteral("Check1")) ? b : form.length(QStringLiteral("Text4"));
    form.present(velkor::CalcCross({B, b, H, h}));
}

void CalcIBeam(SectionForm& form)
{
    // the T-section has no flange 2; a tied flange 2 is flange 1, whatever its boxes hold
    const bool tee = form.ticked(QStringLiteral("Check1"));
    const double B1 = form.length(QStringLiteral("Text9"));
    const double tf1 = form.length(QStringLiteral("Text8"));
    const double B2 = tee                                    ? 0.0
                      : form.ticked(QStringLiteral("Check2")) ? B1
                                                             : form.length(QStringLiteral("Text1"));
    const double tf2 = tee                                    ? 0.0
                       : form.ticked(QStringLiteral("Check3")) ? tf1
                                                              : form.length(QStringLiteral("Text2"));
    form.present(velkor::CalcIBeam({form.length(QStringLiteral("Text7")), B1, tf1,
                                    form.length(QStringLiteral("Text3")), B2, tf2}));
}
