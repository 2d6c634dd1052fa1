#pragma once

class SectionForm;

// The calculation routine of each calculator: read the form's inputs in millimetres, run
// the section's computation from calc/, and let the form show the figures or the refusal.
void CalcRoundSection(SectionForm& form);
