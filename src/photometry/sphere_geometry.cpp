#include "photometry/sphere_geometry.h"

#include <algorithm>
#include <cmath>

#include "photometry/photometric_constants.h"

namespace {
constexpr double kSphereRadius = 1.0;

// The colour shader's guard: a z above 1 can come only from rounding.
void ReplaceZAboveOne(float& z, float startZ) {
  if (z > 1.0F) z = startZ;
}

// The roots of the quadratic in y, each stored as a float.
struct DepthRoots {
  float yPlus;
  float yMinus;
};

// The quadratic in y with the stored roundings of quadB, s and the roots; false when the line
// misses the sphere.
bool SolveDepthQuadratic(const LineOfSight& line, const Point3& lineDir, DepthRoots& roots) {
  const double x1 = line.start.x;
  const double y1 = line.start.y;
  const double z1 = line.start.z;
  const double dX = lineDir.x;
  const double dY = lineDir.y;
  const double dZ = lineDir.z;

  // x = u + (dirX/dirY) y and z = w + (dirZ/dirY) y put into x^2 + y^2 + z^2 = 1.
  const double u = x1 - dX * y1 / dY;
  const double w = z1 - dZ * y1 / dY;
  const double quadA = (dZ * dZ + dX * dX) / (dY * dY) + 1.0;
  const float quadB = static_cast<float>(2.0 * (u * dX + w * dZ) / dY);
  const double quadC = u * u + w * w - kSphereRadius * kSphereRadius;
  const double discriminant = static_cast<double>(quadB) * quadB - 4.0 * quadA * quadC;
  if (discriminant < 0.0) return false;

  const float s = static_cast<float>(std::sqrt(discriminant));
  const float numeratorPlus = static_cast<float>(-static_cast<double>(quadB) + s);
  const float numeratorMinus = static_cast<float>(-static_cast<double>(quadB) - s);
  roots.yPlus = static_cast<float>(numeratorPlus / quadA / 2.0);
  roots.yMinus = static_cast<float>(numeratorMinus / quadA / 2.0);
  return true;
}

// The point of the line at depth y. Its z follows the undivided difference of the end points,
// not the stored dirZ.
struct PointAtDepth {
  const LineOfSight& line;
  const Point3& lineDir;
  float y;

  double Along() const {
    return (static_cast<double>(y) - line.start.y) / static_cast<double>(lineDir.y);
  }
  float X() const { return static_cast<float>(Along() * lineDir.x + line.start.x); }
  float Z() const {
    const double riseZ = static_cast<double>(line.end.z) - line.start.z;
    return static_cast<float>(Along() * riseZ + line.start.z);
  }
  Point3 Point() const { return {X(), y, Z()}; }
};

std::optional<SphereHits> IntersectByDepth(const LineOfSight& line, const Point3& lineDir) {
  DepthRoots roots{};
  if (!SolveDepthQuadratic(line, lineDir, roots)) return std::nullopt;
  return SphereHits{PointAtDepth{line, lineDir, roots.yPlus}.Point(),
                    PointAtDepth{line, lineDir, roots.yMinus}.Point()};
}

// The hits at the two roots t of the line's parameter, stored coordinate by coordinate.
Point3 PointAlongLine(const LineOfSight& line, double t) {
  const auto at = [t](float start, float end) {
    const double from = start;
    return static_cast<float>(from + t * (static_cast<double>(end) - from));
  };
  return {at(line.start.x, line.end.x), at(line.start.y, line.end.y), at(line.start.z, line.end.z)};
}

bool FindSurfacePointOnLine(const LineOfSight& unrotated, int16_t halfSphere,
                            const PassConstants& pass, IntersectionRule rule,
                            Point3& surfacePoint) {
  const LineOfSight line = RotateLineOfSight(unrotated, pass);
  if (!pass.form.byDepth) {
    const std::optional<SphereHits> hits = IntersectUnitSphere(line, rule, pass.form);
    const std::optional<Point3> selected =
        hits ? SelectSurfacePoint(*hits, halfSphere) : std::nullopt;
    if (selected) surfacePoint = *selected;
    return selected.has_value();
  }

  // IntersectUnitSphere and SelectSurfacePoint, forming of the two intersections only what the
  // choice reads: the z of hitPlus, and all of hitMinus only when hitPlus lies in a removed half.
  const Point3 lineDir = LineDirection(line);
  DepthRoots roots{};
  if (!SolveDepthQuadratic(line, lineDir, roots)) return false;
  const bool replaceZ = rule == IntersectionRule::kReplaceZAboveOne;
  const PointAtDepth plus{line, lineDir, roots.yPlus};
  float zPlus = plus.Z();
  if (replaceZ) ReplaceZAboveOne(zPlus, line.start.z);
  if (halfSphere == 1 && zPlus < 0.0F) {
    const PointAtDepth minus{line, lineDir, roots.yMinus};
    float zMinus = minus.Z();
    if (replaceZ) ReplaceZAboveOne(zMinus, line.start.z);
    if (zMinus < 0.0F) return false;
    surfacePoint = {minus.X(), roots.yMinus, zMinus};
    return true;
  }
  surfacePoint = {plus.X(), roots.yPlus, zPlus};
  return true;
}

}  // namespace

Point3 RotateObserver(Point3 p, const PassConstants& pass) {
  // About Ox.
  const float y1 = static_cast<float>(p.y * pass.cosX - p.z * pass.sinX);
  const float z1 = static_cast<float>(p.z * pass.cosX + p.y * pass.sinX);
  // About Oy.
  const float x2 = static_cast<float>(z1 * pass.sinY + p.x * pass.cosY);
  const float z2 = static_cast<float>(z1 * pass.cosY - p.x * pass.sinY);
  // About Oz.
  const float x3 = static_cast<float>(x2 * pass.cosZ - y1 * pass.sinZ);
  const float y3 = static_cast<float>(x2 * pass.sinZ + y1 * pass.cosZ);
  return {x3, y3, z2};
}

Point3 LineDirection(const LineOfSight& line) {
  return {static_cast<float>(static_cast<double>(line.end.x) - line.start.x),
          static_cast<float>(static_cast<double>(line.end.y) - line.start.y),
          static_cast<float>(static_cast<double>(line.end.z) - line.start.z)};
}

LineOfSight RotateLineOfSight(const LineOfSight& line, const PassConstants& pass) {
  if (pass.noRotation) return line;
  return {RotateObserver(line.start, pass), RotateObserver(line.end, pass)};
}

std::optional<SphereHits> IntersectAlongLine(const LineOfSight& line, bool plusNearerStart) {
  const double sx = line.start.x;
  const double sy = line.start.y;
  const double sz = line.start.z;
  const double dX = static_cast<double>(line.end.x) - sx;
  const double dY = static_cast<double>(line.end.y) - sy;
  const double dZ = static_cast<double>(line.end.z) - sz;
  // a t^2 + 2 halfB t + c = 0.
  const double a = dX * dX + dY * dY + dZ * dZ;
  if (a == 0.0) return std::nullopt;  // a line of no direction meets nothing
  const double halfB = sx * dX + sy * dY + sz * dZ;
  const double c = sx * sx + sy * sy + sz * sz - kSphereRadius * kSphereRadius;
  const double discriminant = halfB * halfB - a * c;
  if (discriminant < 0.0) return std::nullopt;
  // The root of larger magnitude first, the other from the product of the roots: no
  // cancellation in either.
  const double q = -(halfB + std::copysign(std::sqrt(discriminant), halfB));
  const double tFar = q / a;
  const double tOther = q == 0.0 ? 0.0 : c / q;
  const double tNearer = std::min(tFar, tOther);
  const double tFarther = std::max(tFar, tOther);
  const Point3 nearStart = PointAlongLine(line, tNearer);
  const Point3 nearEnd = PointAlongLine(line, tFarther);
  return plusNearerStart ? SphereHits{nearStart, nearEnd} : SphereHits{nearEnd, nearStart};
}

std::optional<SphereHits> IntersectUnitSphere(const LineOfSight& line, IntersectionRule rule,
                                              const IntersectionForm& form) {
  std::optional<SphereHits> hits = form.byDepth ? IntersectByDepth(line, LineDirection(line))
                                                : IntersectAlongLine(line, form.plusNearerStart);
  if (hits && rule == IntersectionRule::kReplaceZAboveOne) {
    ReplaceZAboveOne(hits->hitPlus.z, line.start.z);
    ReplaceZAboveOne(hits->hitMinus.z, line.start.z);
  }
  return hits;
}

std::optional<Point3> SelectSurfacePoint(const SphereHits& hits, int16_t halfSphere) {
  if (halfSphere == 1 && hits.hitPlus.z < 0.0F) {
    if (hits.hitMinus.z < 0.0F) return std::nullopt;
    return hits.hitMinus;
  }
  return hits.hitPlus;
}

[[gnu::flatten]] bool FindSurfacePoint(const RenderState& state, const PassConstants& pass,
                                       IntersectionRule rule, Point3& surfacePoint) {
  return FindSurfacePointOnLine(
      MakeLineOfSight(state.dx, state.dy, state.pixelScale, pass.lineDepth), state.halfSphere, pass,
      rule, surfacePoint);
}

std::optional<Point3> FindSurfacePoint(const RenderState& state, const PassConstants& pass,
                                       IntersectionRule rule) {
  Point3 surfacePoint;
  if (!FindSurfacePoint(state, pass, rule, surfacePoint)) return std::nullopt;
  return surfacePoint;
}

double angleFromCos(float c) {
  if (c == 0.0F) return kHalfPi;  // the tangent is infinite: a right angle
  const double cosine = c;
  return std::atan(std::sqrt(1.0 - cosine * cosine) / cosine);
}

float IncidenceAngle(float cosI) { return static_cast<float>(angleFromCos(cosI)); }

double EmissionAngle(float z) { return IsBeyondUnitCosine(z) ? 0.0 : angleFromCos(z); }
