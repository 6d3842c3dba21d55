#include "photometry/speed_shortcuts.h"

#include "photometry/photometric_constants.h"

namespace {

// Beyond 1.05 sphere radii a line misses the unit sphere by far more than any rounding.
constexpr double kSureMissRadius = 1.05;
// The |viewDepth| below which the roundings of the y parametrisation grow large enough to
// matter for the sure-miss test (within about 75 degrees of perpendicular to y).
constexpr double kSureMissDepth = 0.25;

// Rounding of the mirror tests' left-hand sides and of the angles is below 1e-6 radians; this
// slack covers it many times over.
constexpr double kMirrorAngleSlack = 1e-5;
// A widest angle beyond this rules out too little to be worth the test (and keeps its cosine
// well above 0).
constexpr double kWidestFilteredAngle = 1.5;

// The mirror tests require |i + e - g| < tolerance and |i - e| < 0.04 (0.03 in colour), up to
// the rounding of each side. Then |i| and |e| are both below (|g| + |tolerance| + 0.04) / 2,
// and an angle from angleFromCos has magnitude acos(|c|): a cosine magnitude below the cosine
// of that bound (plus slack) makes the tests fail whatever else holds.
double MirrorCosineFloor(float angleG, float tolerance) {
  const double widest = (std::fabs(static_cast<double>(angleG)) +
                         std::fabs(static_cast<double>(tolerance)) + kGreyMirrorAngleMargin) /
                            2.0 +
                        kMirrorAngleSlack;
  if (!(widest < kWidestFilteredAngle)) return 0.0;
  return std::cos(widest);
}

double SureMissRadiusSquared(const ViewConstants& view) {
  // Off the y parametrisation the intersection is solved without loss: the test always holds.
  if (view.form.byDepth && std::fabs(view.viewDepth) < kSureMissDepth) {
    return std::numeric_limits<double>::infinity();
  }
  return kSureMissRadius * kSureMissRadius;
}

}  // namespace

SpeedShortcuts MakeSpeedShortcuts(const RenderState& state, const ViewConstants& view) {
  SpeedShortcuts shortcuts;
  shortcuts.sureMissRadiusSquared = SureMissRadiusSquared(view);
  // The half-sphere shortcut's margins are worked out for the y parametrisation alone.
  shortcuts.sureBelowEquatorTest =
      view.form.byDepth && std::isfinite(shortcuts.sureMissRadiusSquared);
  // The bottom row of Rz * Ry * Rx: Oz leaves z alone, Oy turns it to z cos b - x sin b, and
  // Ox gave z cos a + y sin a.
  shortcuts.zFromX = -view.sinY;
  shortcuts.zFromY = view.sinX * view.cosY;
  shortcuts.zFromZ = view.cosX * view.cosY;
  shortcuts.mirrorCosineFloor = MirrorCosineFloor(state.sourceSlant, state.mirrorTolerance);
  return shortcuts;
}

bool MayMeetSphere(float dx, float dy, float pixelScale, float lineDepth,
                   const SpeedShortcuts& shortcuts) {
  // z = dy * k is rounded monotonically and symmetrically, z * z is exact in double and the sum
  // with x * x rounds monotonically: the test can only fail as |dy| grows.
  return !IsSureMiss(MakeLineOfSight(dx, dy, pixelScale, lineDepth), shortcuts);
}

bool MirrorSurelyFails(const Point3& surfacePoint, float cosI, const SpeedShortcuts& shortcuts) {
  return std::fabs(cosI) < shortcuts.mirrorCosineFloor ||
         std::fabs(surfacePoint.z) < shortcuts.mirrorCosineFloor;
}
