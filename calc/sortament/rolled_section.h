#pragma once

// A rolled profile as a section: its outline drawn as its standard draws it, with the
// root fillets, toe radii and sloped flange faces, and every figure of it. The profile is
// chosen, not typed, so velkor-cli and the card reach it through one catalogue entry of
// its own, "rolled", whose figures every profile has.

#include "arc_section.h"
#include "catalogue.h"
#include "section_drawing.h"
#include "sortament/standards.h"

#include <memory>
#include <string>

namespace velkor::sortament {

// The outline in millimetres, counter-clockwise. I-beams: the origin at the centre, the
// web along y. Channels: the back of the web along x = 0, the flanges towards +x, the
// origin at mid-height. Angles: the heel at the origin, one leg along each axis, the long
// leg of an unequal one along y.
std::shared_ptr<const ArcOutline> ProfileOutline(const Profile& profile);

ArcSectionFigures ProfileFigures(const Profile& profile);

// The figures of every profile, those a design check needs besides with Scope::All.
std::vector<const FigureKind*> RolledFigureKinds(Scope scope);

// The profile's figures as the section routines give theirs: those of the "rolled" entry,
// with its design figures for Scope::All.
SectionOutcome ComputeProfile(const Profile& profile, Scope scope = Scope::Shown);

// The drawing of the section card: the outline, its arcs by short chords, with the
// dimensions marked.
SectionShape ProfileDrawing(const Profile& profile);

// "Двутавр 20 ГОСТ 8239-89".
std::string ProfileTitle(const Profile& profile);

// The catalogue entry of every rolled profile: its figures, design figures and specific
// weight. Its dimensions are the profile's, so it computes nothing by itself.
const SectionEntry& RolledSection();

} // namespace velkor::sortament
