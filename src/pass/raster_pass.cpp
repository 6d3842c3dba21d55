#include "pass/raster_pass.h"

#include "pass/column_blocks.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"
#include "photometry/speed_shortcuts.h"

void RunRasterPass(RenderState& state, Picture& picture, bool smoothing) {
  picture.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
  const RasterFrame frame = MeasureRasterFrame(picture);
  const PassConstants pass = MakePassConstants(state);
  const float pixelScale = state.pixelScale;
  const auto mayMeet = [pixelScale, &pass](float dx, float dy) {
    return MayMeetSphere(dx, dy, pixelScale, pass.lineDepth, pass.shortcuts);
  };
  if (state.showIsolines == 1) {
    WalkColumnBlocks(
        state, picture, frame, smoothing,
        [&pass](RenderState& s) { return ColourColourSample(s, pass); }, mayMeet);
  } else {
    WalkColumnBlocks(
        state, picture, frame, smoothing,
        [&pass](RenderState& s) { return ColourGreySample(s, pass); }, mayMeet);
  }
}
