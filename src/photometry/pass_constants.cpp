#include "photometry/pass_constants.h"

#include <cmath>
#include <limits>

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

// The y component of (0, -1, 0) turned about Ox, then Oy, then Oz, in double without rounding.
double ViewDepth(const PassConstants& pass) {
  // About Ox: (0, -cos a, -sin a). About Oy: x becomes -sin a * sin b. About Oz: y mixes x and y.
  const double y1 = -pass.cosX;
  const double z1 = -pass.sinX;
  const double x2 = z1 * pass.sinY;
  return x2 * pass.sinZ + y1 * pass.cosZ;
}

double SureMissRadiusSquared(const PassConstants& pass) {
  // Off the y parametrisation the intersection is solved without loss: the test always holds.
  if (pass.form.byDepth && std::fabs(pass.viewDepth) < kSureMissDepth) {
    return std::numeric_limits<double>::infinity();
  }
  return kSureMissRadius * kSureMissRadius;
}

}  // namespace

PassConstants MakePassConstants(const RenderState& state) {
  PassConstants pass;
  pass.noRotation = state.rotX == 0.0F && state.rotY == 0.0F && state.rotZ == 0.0F;
  pass.sinX = std::sin(static_cast<double>(state.rotX));
  pass.cosX = std::cos(static_cast<double>(state.rotX));
  pass.sinY = std::sin(static_cast<double>(state.rotY));
  pass.cosY = std::cos(static_cast<double>(state.rotY));
  pass.sinZ = std::sin(static_cast<double>(state.rotZ));
  pass.cosZ = std::cos(static_cast<double>(state.rotZ));
  pass.lineDepth = static_cast<float>(kLineDepthInPixels * static_cast<double>(state.pixelScale));
  pass.viewDepth = ViewDepth(pass);
  pass.form.byDepth = std::fabs(pass.viewDepth) >= kWellConditionedViewDepth;
  pass.form.plusNearerStart = pass.viewDepth <= 0.0;
  pass.sureMissRadiusSquared = SureMissRadiusSquared(pass);
  // The half-sphere shortcut's margins are worked out for the y parametrisation alone.
  pass.sureBelowEquatorTest = pass.form.byDepth && std::isfinite(pass.sureMissRadiusSquared);
  // The bottom row of Rz * Ry * Rx: Oz leaves z alone, Oy turns it to z cos b - x sin b, and
  // Ox gave z cos a + y sin a.
  pass.zFromX = -pass.sinY;
  pass.zFromY = pass.sinX * pass.cosY;
  pass.zFromZ = pass.cosX * pass.cosY;
  pass.cosSlant = std::cos(static_cast<double>(state.sourceSlant));

  const double sx = state.sourceX;
  const double sy = state.sourceY;
  const double sz = state.sourceZ;
  pass.sourceLengthSquared = sy * sy + sx * sx + sz * sz;

  for (int k = 0; k < kIsoBandCount; ++k) {
    const double level = state.isoLevel[k];
    const double halfWidth = state.isoHalfWidth[k];
    pass.bandLo[k] = static_cast<float>(level - halfWidth);
    pass.bandHi[k] = static_cast<float>(level + halfWidth);
  }
  pass.selfShadowTop = state.isoHalfWidth[kIsoBandCount - 1];
  pass.fringeBottom = -state.isoHalfWidth[0];
  pass.mirrorMissValue =
      static_cast<float>(static_cast<double>(pass.selfShadowTop) + kMirrorMissOffset);
  pass.mirrorSlantMargin = MirrorSlantMargin(state.sourceSlant);
  pass.mirrorCosineFloor = MirrorCosineFloor(state.sourceSlant, state.mirrorTolerance);
  return pass;
}
