#include "module1.h"

#include "catalogue.h"
#include "hexagon_section.h"
#include "section_form.h"

#include <vector>

namespace {

// Which of a calculator's controls hold its catalogue entry's inputs: the boxes in the
// entry's order of dimensions, the check boxes in its order of ties, the variant switch.
struct Controls {
    std::string_view key;
    std::vector<const char*> boxes;
    std::vector<const char*> ties;
    const char* variant = nullptr;
};

velkor::SectionOutcome compute(const SectionForm& form, const Controls& controls)
{
    velkor::SectionInput input;
    for (const char* box : controls.boxes)
        input.dimensions.push_back(form.length(QString::fromLatin1(box)));
    for (const char* tie : controls.ties)
        input.ticks.push_back(form.ticked(QString::fromLatin1(tie)));
    input.variant =
        controls.variant != nullptr && form.ticked(QString::fromLatin1(controls.variant));
    return velkor::Compute(*velkor::FindSection(controls.key), std::move(input));
}

const Controls FlangedControls{"",
                               {"Text3", "Text4", "Text1", "Text2", "Text7", "Text6"},
                               {"Check4", "Check5", "Check3", "Check2"},
                               "Check1"};

} // namespace

void CalcRoundSection(SectionForm& form)
{
    form.present(compute(form, {"round", {"Text1", "Text2"}, {}, "Check1"}));
}

void CalcRectangularTube(SectionForm& form)
{
    form.present(
        compute(form, {"tube", {"Text1", "Text2", "Text3", "Text4"}, {"Check1", "Check2"}}));
}

void CalcRectangle(SectionForm& form)
{
    form.present(compute(form, {"rect", {"Text1", "Text3"}, {"Check1"}}));
}

void CalcRhombus(SectionForm& form)
{
    form.present(compute(form, {"rhombus", {"Text1"}, {}}));
}

void CalcHexagon(SectionForm& form)
{
    // sized by H, the routine shows the radius it works with, even when it then refuses
    if (form.ticked(QStringLiteral("Check1")))
        form.setDerivedLength(QStringLiteral("Text1"), QStringLiteral("Text3"),
                              velkor::RadiusFromHeight);
    form.present(compute(form, {"hexagon", {"Text1", "Text3"}, {}, "Check1"}));
}

void CalcCross(SectionForm& form)
{
    form.present(
        compute(form, {"cross", {"Text1", "Text2", "Text3", "Text4"}, {"Check2", "Check1"}}));
}

void CalcIBeam(SectionForm& form)
{
    form.present(compute(form, {"ibeam",
                                {"Text7", "Text9", "Text8", "Text3", "Text1", "Text2"},
                                {"Check2", "Check3"},
                                "Check1"}));
}

void CalcChannel(SectionForm& form)
{
    Controls controls = FlangedControls;
    controls.key = "channel";
    form.present(compute(form, controls));
}

void CalcZSection(SectionForm& form)
{
    Controls controls = FlangedControls;
    controls.key = "zsection";
    form.present(compute(form, controls));
}
