#include "photometry/gradient_space.h"

#include <cmath>

#include "photometry/shaders.h"

Point3 GradientNormal(const Gradient& gradient) {
  const double length = std::sqrt(1.0 + gradient.p * gradient.p + gradient.q * gradient.q);
  return {static_cast<float>(-gradient.p / length), static_cast<float>(-gradient.q / length),
          static_cast<float>(1.0 / length)};
}

void ShadeGradientPixel(RenderState& state, Picture& picture, const PassConstants& pass) {
  ShadeSurfacePoint(GradientNormal(GradientAtOffset(state.dx, state.dy)), state, picture, pass);
}

void ColourGradientSample(RenderState& state, const PassConstants& pass, double pixelsPerUnit) {
  ColourSurfacePoint(GradientNormal(GradientAtOffset(state.dx, state.dy, pixelsPerUnit)), state,
                     pass);
}
