#include "photometry/pass_constants.h"

#include <cmath>

#include "photometry/photometric_constants.h"

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
