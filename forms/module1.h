#pragma once

class SectionForm;

// The calculation routine of each calculator: read the form's inputs in millimetres, run
// the section's computation from calc/, and let the form show the figures or the refusal.
void CalcRectangularTube(SectionForm& form);
void CalcRoundSection(SectionForm& form);
void CalcChannel(SectionForm& form);
void CalcZSection(SectionForm& form);
void CalcRectangle(SectionForm& form);
void CalcIBeam(SectionForm& form);
void CalcRhombus(SectionForm& form);
void CalcHexagon(SectionForm& form);
void CalcCross(SectionForm& form);
