#pragma once
// The readout under the pointer on the gradient-space map: the sample at a map pixel's centre
// read as the orientation (p, q) it stands for, by the same reflectance code as the map's pass.
//
//   pixel (x, y) -> SampleAtPixel (readout.h) -> (p, q) in the view -> ReadSurfacePoint -> Readout

#include <optional>

#include "gradient/gradient_view.h"
#include "model/render_state.h"
#include "pass/readout.h"

// The readout of map pixel (x, y) of a width x height map drawn in `view`; nothing outside it.
std::optional<Readout> GradientReadoutAtPixel(const RenderState& lastPass, int width, int height,
                                              int x, int y, const GradientView& view);

// The same for a map at `scale` times 50 pixels a unit.
std::optional<Readout> GradientReadoutAtPixel(const RenderState& lastPass, int width, int height,
                                              int x, int y, int scale = 1);
