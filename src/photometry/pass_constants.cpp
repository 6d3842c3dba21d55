#include "photometry/pass_constants.h"

#include <cmath>
#include <limits>

#include "photometry/photometric_constants.h"

namespace {

// Beyond 1.05 sphere radii a line misses the unit sphere by far more than any rounding.
constexpr double kSureMissRadius = 1.05;
// The y component of the rotated viewing direction below which the intersection's roundings
// grow large enough to matter (within about 75 degrees of perpendicular to y).
constexpr double kWellConditionedDepth = 0.25;

double SureMissRadiusSquared(const PassConstants& pass) {
  // The y component of Rz * Ry * Rx applied to (0, 1, 0).
  const double depth = pass.sinX * pass.sinY * pass.sinZ + pass.cosX * pass.cosZ;
  if (std::fabs(depth) < kWellConditionedDepth) return std::numeric_limits<double>::infinity();
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
  pass.sureMissRadiusSquared = SureMissRadiusSquared(pass);
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
  return pass;
}
