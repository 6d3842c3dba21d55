#pragma once
// The reflectance map in gradient space: a surface z(x, y) with gradient (p, q) = (dz/dx, dz/dy)
// has the unit normal (-p, -q, 1) / sqrt(1 + p^2 + q^2), the point of the Gaussian sphere that
// the photometric observer on +z sees with the same normal. A sample of the map is shaded as
// the sphere's shaders shade that point, so both pictures show one function:
//
//   sample offset (dx, dy) -> (p, q) = (dx, dy) / 50 -> normal -> ColourSurfacePoint
//
// The map's view of the gradient plane (zoom, origin) is in gradient/gradient_view.h.

#include "photometry/line_of_sight.h"

// Pixels of the map per unit of p or q.
inline constexpr double kGradientPixelsPerUnit = 50.0;

struct Gradient {
  double p = 0.0;
  double q = 0.0;
};

// (-p, -q, 1) / sqrt(1 + p^2 + q^2), in double, each coordinate stored as a float.
Point3 GradientNormal(const Gradient& gradient);
