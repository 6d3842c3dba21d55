#pragma once
// The reflectance map in gradient space: a surface z(x, y) with gradient (p, q) = (dz/dx, dz/dy)
// has the unit normal (-p, -q, 1) / sqrt(1 + p^2 + q^2), the point of the Gaussian sphere that
// the photometric observer on +z sees with the same normal. A sample of the map is shaded as
// the sphere's shaders shade that point, so both pictures show one function:
//
//   sample offset (dx, dy) -> (p, q) = (dx, dy) / 50 -> normal -> ShadeSurfacePoint

#include "model/picture.h"
#include "model/render_state.h"
#include "photometry/line_of_sight.h"
#include "photometry/pass_constants.h"

// Pixels of the map per unit of p or q.
inline constexpr double kGradientPixelsPerUnit = 50.0;

struct Gradient {
  double p = 0.0;
  double q = 0.0;
};

// The gradient at a sample offset: p to the right, q upwards (dy grows upwards).
inline Gradient GradientAtOffset(float dx, float dy,
                                 double pixelsPerUnit = kGradientPixelsPerUnit) {
  return {dx / pixelsPerUnit, dy / pixelsPerUnit};
}

// (-p, -q, 1) / sqrt(1 + p^2 + q^2), in double, each coordinate stored as a float.
Point3 GradientNormal(const Gradient& gradient);

// Shades the map's sample at state.dx, state.dy; the rotations and the half-sphere switch play
// no part, since every normal of gradient space faces the observer on +z.
void ShadeGradientPixel(RenderState& state, Picture& picture, const PassConstants& pass);

// The colour of the map's sample at state.dx, state.dy into the sums, as ShadeGradientPixel forms
// it at `pixelsPerUnit`, painting nothing.
void ColourGradientSample(RenderState& state, const PassConstants& pass,
                          double pixelsPerUnit = kGradientPixelsPerUnit);
