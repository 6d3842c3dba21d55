#include "gradient/gradient_view.h"

#include "pass/column_blocks.h"
#include "pass/raster_walk.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"

GradientView ScaledGradientView(int scale) {
  return GradientView{kGradientPixelsPerUnit * scale, 0.0, 0.0};
}

Gradient GradientAtPixel(const GradientView& view, int width, int height, double x, double y) {
  const RasterFrame frame = MeasureRasterFrame(width, height);
  // The walk's rows count upwards from the bottom: row = roundedHeight - y.
  const double dx = x - frame.cx;
  const double dy = (frame.roundedHeight - y) - frame.cy;
  return GradientAtOffset(view, dx, dy);
}

PixelPoint PixelOfGradient(const GradientView& view, int width, int height, Gradient gradient) {
  const RasterFrame frame = MeasureRasterFrame(width, height);
  const double dx = gradient.p * view.pixelsPerUnit + view.originX;
  const double dy = gradient.q * view.pixelsPerUnit + view.originY;
  return {dx + frame.cx, frame.roundedHeight - (dy + frame.cy)};
}

void PaintGradientMap(const RenderState& lastPass, Picture& picture, bool smoothing,
                      const GradientView& view) {
  RenderState state = lastPass;
  picture.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
  const PassConstants pass = MakePassConstants(state);
  WalkColumnBlocks(
      state, picture, MeasureRasterFrame(picture), smoothing,
      [&pass, &view](RenderState& s) {
        ColourSurfacePoint(GradientNormal(GradientAtOffset(view, s.dx, s.dy)), s, pass);
        return true;
      },
      AnyRow{});
}
