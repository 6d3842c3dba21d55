#include "photometry/sphere_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "photometry/photometric_constants.h"

namespace {

constexpr double kSphereRadius = 1.0;
// A y component of lineDir within a few units in the last place of the end points' largest
// coordinate is rounding noise: the line is perpendicular to y as far as floats can tell.
constexpr float kDepthNoiseUlps = 8.0F;
constexpr float kFloatEpsilon = std::numeric_limits<float>::epsilon();
// Lines of sight this close to the centre (squared) meet the sphere far from its outline.
constexpr double kDeepInsideRadiusSquared = 0.9;
// How far below z = 0 both intersections must lie for the half-sphere shortcut.
constexpr double kEquatorMargin = 0.01;

// The colour shader's guard: a z above 1 can come only from rounding.
void ReplaceZAboveOne(float& z, float startZ) {
  if (z > 1.0F) z = startZ;
}

}  // namespace

namespace {

// The larger of `largest` and |value|; a NaN value leaves `largest` as it is.
float LargerMagnitude(float largest, float value) {
  const float magnitude = std::fabs(value);
  return largest < magnitude ? magnitude : largest;
}

}  // namespace

bool IsDepthless(const LineOfSight& line, const Point3& lineDir) {
  // Taken coordinate by coordinate, in registers: a copied list of the points would be stored
  // and read back at a different width, which stalls the load.
  float largest = 0.0F;
  for (float coordinate :
       {line.start.x, line.start.y, line.start.z, line.end.x, line.end.y, line.end.z}) {
    largest = LargerMagnitude(largest, coordinate);
  }
  return std::fabs(lineDir.y) <= kDepthNoiseUlps * kFloatEpsilon * largest;
}

bool IsSureMiss(const LineOfSight& unrotated, const PassConstants& pass) {
  const double x = unrotated.start.x;
  const double z = unrotated.start.z;
  return x * x + z * z > pass.sureMissRadiusSquared;
}

bool IsSureBelowEquator(const LineOfSight& unrotated, const PassConstants& pass) {
  if (!pass.sureBelowEquatorTest) return false;
  const double x = unrotated.start.x;
  const double z = unrotated.start.z;
  const double offsetSquared = x * x + z * z;
  // Away from the outline the two roots are well separated and their roundings stay near 1e-6.
  if (!(offsetSquared <= kDeepInsideRadiusSquared)) return false;
  // The line meets the sphere at depths +-h; the rotated z there is centre +- |zFromY| h.
  const double h = std::sqrt(1.0 - offsetSquared);
  const double centre = pass.zFromX * x + pass.zFromZ * z;
  return centre + std::fabs(pass.zFromY) * h < -kEquatorMargin;
}

bool MayMeetSphere(float dx, float dy, float pixelScale, const PassConstants& pass) {
  // z = dy * k is rounded monotonically and symmetrically, z * z is exact in double and the sum
  // with x * x rounds monotonically: the test can only fail as |dy| grows.
  return !IsSureMiss(MakeLineOfSight(dx, dy, pixelScale, pass.lineDepth), pass);
}

LineOfSight MakeLineOfSight(float dx, float dy, float pixelScale, float lineDepth) {
  const float x = dx * pixelScale;
  const float z = dy * pixelScale;
  return {{x, lineDepth, z}, {x, -lineDepth, z}};
}

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

namespace {

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

}  // namespace

std::optional<SphereHits> IntersectUnitSphere(const LineOfSight& line, IntersectionRule rule) {
  const Point3 lineDir = LineDirection(line);
  std::optional<SphereHits> hits =
      IsDepthless(line, lineDir) ? IntersectByDominantAxis(line) : IntersectByDepth(line, lineDir);
  if (hits && rule == IntersectionRule::kReplaceZAboveOne) {
    ReplaceZAboveOne(hits->hitPlus.z, line.start.z);
    ReplaceZAboveOne(hits->hitMinus.z, line.start.z);
  }
  return hits;
}

std::optional<SphereHits> IntersectByDominantAxis(const LineOfSight& line) {
  const std::array<double, 3> start{line.start.x, line.start.y, line.start.z};
  const Point3 lineDir = LineDirection(line);
  const std::array<double, 3> dir{lineDir.x, lineDir.y, lineDir.z};

  int m = 0;
  for (int k = 1; k < 3; ++k) {
    if (std::fabs(dir[k]) > std::fabs(dir[m])) m = k;
  }
  if (dir[m] == 0.0) return std::nullopt;  // a line of no direction meets nothing

  // Each other coordinate o = offset[o] + (dir[o]/dir[m]) * coordinate m.
  double quadA = 1.0;
  double linear = 0.0;
  double quadC = -kSphereRadius * kSphereRadius;
  for (int k = 0; k < 3; ++k) {
    if (k == m) continue;
    const double offset = start[k] - dir[k] * start[m] / dir[m];
    quadA += dir[k] * dir[k] / (dir[m] * dir[m]);
    linear += offset * dir[k];
    quadC += offset * offset;
  }
  const double quadB = 2.0 * linear / dir[m];
  const double discriminant = quadB * quadB - 4.0 * quadA * quadC;
  if (discriminant < 0.0) return std::nullopt;

  const double root = std::sqrt(discriminant);
  const double upper = (-quadB + root) / quadA / 2.0;
  const double lower = (-quadB - root) / quadA / 2.0;
  auto pointAt = [&](double coordinate) {
    const double along = (coordinate - start[m]) / dir[m];
    std::array<float, 3> p{};
    for (int k = 0; k < 3; ++k) {
      p[k] =
          k == m ? static_cast<float>(coordinate) : static_cast<float>(along * dir[k] + start[k]);
    }
    return Point3{p[0], p[1], p[2]};
  };
  // Walking from lineStart along dir, the smaller coordinate comes first when dir[m] > 0.
  const double nearer = dir[m] > 0.0 ? lower : upper;
  const double farther = dir[m] > 0.0 ? upper : lower;
  return SphereHits{pointAt(nearer), pointAt(farther)};
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
  const LineOfSight unrotated =
      MakeLineOfSight(state.dx, state.dy, state.pixelScale, pass.lineDepth);
  if (IsSureMiss(unrotated, pass)) return false;
  if (state.halfSphere == 1 && IsSureBelowEquator(unrotated, pass)) return false;
  const LineOfSight line = RotateLineOfSight(unrotated, pass);
  const Point3 lineDir = LineDirection(line);
  if (IsDepthless(line, lineDir)) {
    const std::optional<SphereHits> hits = IntersectUnitSphere(line, rule);
    const std::optional<Point3> selected =
        hits ? SelectSurfacePoint(*hits, state.halfSphere) : std::nullopt;
    if (selected) surfacePoint = *selected;
    return selected.has_value();
  }

  // IntersectUnitSphere and SelectSurfacePoint, forming of the two intersections only what the
  // choice reads: the z of hitPlus, and all of hitMinus only when hitPlus lies in a removed half.
  DepthRoots roots{};
  if (!SolveDepthQuadratic(line, lineDir, roots)) return false;
  const bool replaceZ = rule == IntersectionRule::kReplaceZAboveOne;
  const PointAtDepth plus{line, lineDir, roots.yPlus};
  float zPlus = plus.Z();
  if (replaceZ) ReplaceZAboveOne(zPlus, line.start.z);
  if (state.halfSphere == 1 && zPlus < 0.0F) {
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
