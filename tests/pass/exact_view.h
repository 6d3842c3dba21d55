#pragma once
// The surface point a picture pixel should show, found in double from the stored rotations
// without any of the pass's roundings: the reference the view and readout tests compare with.

#include <cmath>

#include "model/render_state.h"

struct Vec {
  double x, y, z;
};

inline double Dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// About Ox, then Oy, then Oz, in double without rounding.
inline Vec Rotate(const Vec& p, const RenderState& s) {
  const double a = s.rotX, b = s.rotY, c = s.rotZ;
  const double y1 = p.y * std::cos(a) - p.z * std::sin(a);
  const double z1 = p.z * std::cos(a) + p.y * std::sin(a);
  const double x2 = z1 * std::sin(b) + p.x * std::cos(b);
  const double z2 = z1 * std::cos(b) - p.x * std::sin(b);
  return {x2 * std::cos(c) - y1 * std::sin(c), x2 * std::sin(c) + y1 * std::cos(c), z2};
}

// The two points where the line of sight at offset (dx, dy) pixels meets the unit sphere: the
// one the view shows first (nearer lineStart where the view looks towards -y, else nearer
// lineEnd) and the other; false when it misses.
inline bool ExactHits(const RenderState& s, double dx, double dy, Vec& shown, Vec& other) {
  const double k = s.pixelScale;
  const Vec start = Rotate({dx * k, 10.0 * k, dy * k}, s);
  const Vec dir = Rotate({0.0, -1.0, 0.0}, s);
  const double along = Dot(start, dir);
  const double disc = along * along - (Dot(start, start) - 1.0);
  if (disc < 0.0) return false;
  const double root = std::sqrt(disc);
  const auto at = [&](double t) {
    return Vec{start.x + t * dir.x, start.y + t * dir.y, start.z + t * dir.z};
  };
  shown = dir.y <= 0.0 ? at(-along - root) : at(-along + root);
  other = dir.y <= 0.0 ? at(-along + root) : at(-along - root);
  return true;
}
