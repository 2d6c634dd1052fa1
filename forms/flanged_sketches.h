#pragma once

#include "flanged_section_form.h"

// The channel opening to the right, or the angle with its horizontal leg to the right.
std::vector<SketchElement> ChannelSketch(const FlangedSketchState& state);
inline constexpr QSize ChannelSketchSize{240, 220};

// The Z with the upper flange to the right of the web and the lower one to the left, or the
// angle with its horizontal leg to the left.
std::vector<SketchElement> ZSectionSketch(const FlangedSketchState& state);
inline constexpr QSize ZSectionSketchSize{262, 220};
