#pragma once
// Speed shortcuts: tests that settle a sample's outcome, or part of it, without running the full
// formulas, each proved to change no painted pixel and no field of the RenderState. They sit
// apart from the formulas they skip:
//
//   raster pass: MayMeetSphere -> rows of a column worth visiting
//   shader:      IsSurelyBackground -> (sphere geometry) -> MirrorSurelyFails -> (mirror angles)
//
// Their per-pass values are taken once with the other pass constants; kNoShortcuts turns every
// one of them off, which is how the tests compare a pass with and without them.

#include <cmath>
#include <limits>

#include "model/render_state.h"
#include "photometry/line_of_sight.h"
#include "photometry/view_constants.h"

struct SpeedShortcuts {
  // A sample whose unrotated offset (dx*k, dy*k) lies farther than this (squared) from the
  // centre misses the sphere with a wide margin, since the rotations keep the line's distance
  // from the centre. Infinite (off) when the y parametrisation is used on a view turned so far
  // from y that its roundings could still report a hit there.
  double sureMissRadiusSquared = std::numeric_limits<double>::infinity();
  // The z of a point (x, y, z) after the rotations is zFromX*x + zFromY*y + zFromZ*z. The
  // half-sphere test is on only for views the y parametrisation handles well.
  bool sureBelowEquatorTest = false;
  double zFromX = 0.0, zFromY = 0.0, zFromZ = 1.0;
  // Both mirror tests fail at a surface point where |cosI| or |cosE| lies below this: the angle
  // there is too wide for i + e to come near g while i and e stay close. 0 rules out nothing.
  double mirrorCosineFloor = 0.0;
};

inline constexpr SpeedShortcuts kNoShortcuts{};

// The shortcuts of a pass, from its state and its view's constants (rotations, form).
SpeedShortcuts MakeSpeedShortcuts(const RenderState& state, const ViewConstants& view);

// The unrotated line passes so far from the centre that the intersection is sure to miss.
inline bool IsSureMiss(const LineOfSight& unrotated, const SpeedShortcuts& shortcuts) {
  const double x = unrotated.start.x;
  const double z = unrotated.start.z;
  return x * x + z * z > shortcuts.sureMissRadiusSquared;
}

// For a half sphere: the unrotated line passes well inside the outline and, in exact arithmetic,
// meets the sphere only where the rotated z is below -0.01, far beyond what the roundings of the
// intersection can move.
inline bool IsSureBelowEquator(const LineOfSight& unrotated, const SpeedShortcuts& shortcuts) {
  // Lines of sight this close to the centre (squared) meet the sphere far from its outline,
  // where the two roots are well separated and their roundings stay near 1e-6.
  constexpr double kDeepInsideRadiusSquared = 0.9;
  // How far below z = 0 both intersections must lie.
  constexpr double kEquatorMargin = 0.01;
  if (!shortcuts.sureBelowEquatorTest) return false;
  const double x = unrotated.start.x;
  const double z = unrotated.start.z;
  const double offsetSquared = x * x + z * z;
  if (!(offsetSquared <= kDeepInsideRadiusSquared)) return false;
  // The line meets the sphere at depths +-h; the rotated z there is centre +- |zFromY| h.
  const double h = std::sqrt(1.0 - offsetSquared);
  const double centre = shortcuts.zFromX * x + shortcuts.zFromZ * z;
  return centre + std::fabs(shortcuts.zFromY) * h < -kEquatorMargin;
}

// True when the shader would class the sample on this unrotated line as background by one of
// the two tests above. Inline: it runs before every sample's geometry.
inline bool IsSurelyBackground(const LineOfSight& unrotated, int16_t halfSphere,
                               const SpeedShortcuts& shortcuts) {
  return IsSureMiss(unrotated, shortcuts) ||
         (halfSphere == 1 && IsSureBelowEquator(unrotated, shortcuts));
}

// False only when the sample at offset (dx, dy) is a sure miss, which both shaders class as
// background. For a fixed dx the test depends on |dy| alone and can only fail as |dy| grows, so
// along a column it holds on one run of rows around the row nearest the centre (or nowhere).
bool MayMeetSphere(float dx, float dy, float pixelScale, float lineDepth,
                   const SpeedShortcuts& shortcuts);

// With a cosine this far from +-1 the mirror tests fail: the arctangents need not be formed.
bool MirrorSurelyFails(const Point3& surfacePoint, float cosI, const SpeedShortcuts& shortcuts);
