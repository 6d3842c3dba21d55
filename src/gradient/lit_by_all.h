#pragma once
// The part of gradient space that every source lights (cos i > 0 for each): the orientations
// photometric stereo can recover from the images of all its sources. Shaded over a painted map
// by a light diagonal hatch, which leaves the map readable between its lines.

#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "gradient/source_phi.h"
#include "model/picture.h"
#include "model/render_state.h"

// Pixels between two lines of the hatch, along a row.
inline constexpr int kLitHatchSpacing = 4;
inline constexpr Rgb kLitHatchColour{235, 235, 235};

// Whether every field's source lights the orientation.
bool LitByAll(const std::vector<SourcePhiField>& fields, Gradient gradient);

// Paints the hatch's pixels (x + y a multiple of kLitHatchSpacing) where every source lights the
// pixel's gradient; every other pixel is left as it is.
void ShadeLitByAll(Picture& picture, const GradientView& view, const RenderState& lastPass,
                   const std::vector<LightAim>& sources, Rgb colour);
