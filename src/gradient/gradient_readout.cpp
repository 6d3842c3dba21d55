#include "gradient/gradient_readout.h"

#include "photometry/gradient_space.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"

std::optional<Readout> GradientReadoutAtPixel(const RenderState& lastPass, int width, int height,
                                              int x, int y, const GradientView& view) {
  const std::optional<RenderState> state = SampleAtPixel(lastPass, width, height, x, y);
  if (!state) return std::nullopt;
  const Gradient gradient = GradientAtOffset(view, state->dx, state->dy);
  Readout readout = MakeReadout(
      *state, ReadSurfacePoint(GradientNormal(gradient), *state, MakePassConstants(*state)));
  readout.gradient = gradient;
  return readout;
}

std::optional<Readout> GradientReadoutAtPixel(const RenderState& lastPass, int width, int height,
                                              int x, int y, int scale) {
  return GradientReadoutAtPixel(lastPass, width, height, x, y, ScaledGradientView(scale));
}
