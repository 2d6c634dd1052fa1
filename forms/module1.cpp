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

void compute(SectionForm& form, const Controls& controls)
{
    velkor::CardRequest read;
    read.entry = velkor::FindSection(controls.key);
    velkor::SectionInput input;
    for (const char* box : controls.boxes) {
        read.dimensions.push_back(form.typedNumber(QString::fromLatin1(box)));
        input.dimensions.push_back(form.length(QString::fromLatin1(box)));
    }
    for (const char* tie : controls.ties)
        input.ticks.push_back(form.ticked(QString::fromLatin1(tie)));
    input.variant =
        controls.variant != nullptr && form.ticked(QString::fromLatin1(controls.variant));
    read.ticks = input.ticks;
    read.variant = input.variant;
    form.present(velkor::Compute(*read.entry, std::move(input)), std::move(read));
}

const Controls FlangedControls{"",
                               {"Text3", "Text4", "Text1", "Text2", "Text7", "Text6"},
                               {"Check4", "Check5", "Check3", "Check2"},
                               "Check1"};

} // namespace

void CalcRoundSection(SectionForm& form)
{
    compute(form, {"round", {"Text1", "Text2"}, {}, "Check1"});
}

void CalcRectangularTube(SectionForm& form)
{
    compute(form, {"tube", {"Text1", "Text2", "Text3", "Text4"}, {"Check1", "Check2"}});
}

void CalcRectangle(SectionForm& form)
{
    compute(form, {"rect", {"Text1", "Text3"}, {"Check1"}});
}

void CalcRhombus(SectionForm& form)
{
    compute(form, {"rhombus", {"Text1"}, {}});
}

void CalcHexagon(SectionForm& form)
{
    // sized by H, the routine shows the radius it works with, even when it then refuses
    if (form.ticked(QStringLiteral("Check1")))
        form.setDerivedLength(QStringLiteral("Text1"), QStringLiteral("Text3"),
                              velkor::RadiusFromHeight);
    compute(form, {"hexagon", {"Text1", "Text3"}, {}, "Check1"});
}

void CalcCross(SectionForm& form)
{
    compute(form, {"cross", {"Text1", "Text2", "Text3", "Text4"}, {"Check2", "Check1"}});
}

void CalcIBeam(SectionForm& form)
{
    compute(form, {"ibeam",
                   {"Text7", "Text9", "Text8", "Text3", "Text1", "Text2"},
                   {"Check2", "Check3"},
                   "Check1"});
}

void CalcChannel(SectionForm& form)
{
    Controls controls = FlangedControls;
    controls.key = "channel";
    compute(form, controls);
}

void CalcZSection(SectionForm& form)
{
    Controls controls = FlangedControls;
    controls.key = "zsection";
    compute(form, controls);
}
