#include "module1.h"

#include "round_section.h"
#include "section_form.h"

void CalcRoundSection(SectionForm& form)
{
    const bool solid = form.ticked(QStringLiteral("Check1"));
    // a solid bar's wall is half its diameter, so Text2 is not read
    const double t = solid ? 0.0 : form.length(QStringLiteral("Text2"));
    form.present(velkor::CalcRoundSection({form.length(QStringLiteral("Text1")), t, solid}));
}
