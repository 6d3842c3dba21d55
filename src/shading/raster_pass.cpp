#include "shading/raster_pass.h"

#include "photometry/pass_constants.h"
#include "photometry/shaders.h"
#include "photometry/speed_shortcuts.h"
#include "shading/raster_walk.h"

namespace {

using PassShader = void (*)(RenderState&, Picture&, const PassConstants&);

PassShader ShaderOfPass(const RenderState& state) {
  if (state.showIsolines == 1) return static_cast<PassShader>(&ShadeColourPixel);
  return static_cast<PassShader>(&ShadeGreyPixel);
}

}  // namespace

void RunRasterPass(RenderState& state, Picture& picture, bool smoothing) {
  picture.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
  const RasterFrame frame = MeasureRasterFrame(picture);
  const PassShader shader = ShaderOfPass(state);
  const PassConstants pass = MakePassConstants(state);
  const float pixelScale = state.pixelScale;
  WalkRaster(
      state, picture, frame, smoothing,
      [shader, &pass](RenderState& s, Picture& p) { shader(s, p, pass); },
      [pixelScale, &pass](float dx, float dy) { return MayMeetSphere(dx, dy, pixelScale, pass.lineDepth, pass.shortcuts); });
}
