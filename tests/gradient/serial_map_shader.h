#pragma once
// The map's sample in its first, serial form, for tests that check the map's pass against it:
// the gradient of a sample at (dx, dy) / pixelsPerUnit, shaded as the sphere's shaders shade the
// point with that normal.

#include "model/picture.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"

// The colour of the sample at state.dx, state.dy into the sums, painting nothing.
inline void ColourSerialMapSample(RenderState& state, const PassConstants& pass,
                                  double pixelsPerUnit = kGradientPixelsPerUnit) {
  const Gradient gradient{state.dx / pixelsPerUnit, state.dy / pixelsPerUnit};
  ColourSurfacePoint(GradientNormal(gradient), state, pass);
}

// Shades the sample at state.dx, state.dy at 50 pixels a unit.
inline void ShadeSerialMapPixel(RenderState& state, Picture& picture, const PassConstants& pass) {
  const Gradient gradient{state.dx / kGradientPixelsPerUnit, state.dy / kGradientPixelsPerUnit};
  ShadeSurfacePoint(GradientNormal(gradient), state, picture, pass);
}
