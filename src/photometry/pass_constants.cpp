#include "photometry/pass_constants.h"

#include <cmath>

#include "photometry/photometric_constants.h"

namespace {

// The y component of (0, -1, 0) turned about Ox, then Oy, then Oz, in double without rounding.
double ViewDepth(const PassConstants& pass) {
  // About Ox: (0, -cos a, -sin a). About Oy: x becomes -sin a * sin b. About Oz: y mixes x and y.
  const double y1 = -pass.cosX;
  const double z1 = -pass.sinX;
  const double x2 = z1 * pass.sinY;
  return x2 * pass.sinZ + y1 * pass.cosZ;
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
  pass.shortcuts = MakeSpeedShortcuts(state, pass);
  return pass;
}
