#include "photometry/pass_constants.h"

#include "photometry/photometric_constants.h"

PassConstants MakePassConstants(const RenderState& state) {
  PassConstants pass;
  static_cast<ViewConstants&>(pass) = MakeViewConstants(state);
  pass.light = MakeLightConstants(state);
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
  pass.shortcuts = MakeSpeedShortcuts(state, pass);
  pass.law = MakeLawConstants(state, pass.light.cosSlant);
  pass.exposure = state.exposure;
  pass.exposed = state.exposure != 1.0;
  pass.bandsAsLines = state.bandsAsLines == 1;
  return pass;
}

void SetPlainGrey(RenderState& state) {
  state.showIsolines = 0;
  state.bandsAsLines = 0;
  state.isoHalfWidth.fill(-1.0F);
}
