// The map's view: pixels and gradients map onto each other (and the readout reads what its pixel
// shows), and the default view paints the samples the serial map shader paints.

#include "gradient/gradient_view.h"

#include <gtest/gtest.h>

#include "figure_state.h"
#include "gradient/gradient_readout.h"
#include "model/image_buffer.h"
#include "pass/raster_walk.h"
#include "pass/readout.h"
#include "photometry/pass_constants.h"
#include "serial_map_shader.h"

namespace {

TEST(GradientView, PixelsGradientsAndTheReadoutAgree) {
  const struct {
    GradientView view;
    int width, height;
  } kViews[] = {{{}, 393, 337}, {{123.456, 40.25, -17.5}, 600, 451}, {{12.5, -300, 210}, 101, 77}};
  const RenderState state = FigureState(kGlossy, 25.0);
  for (const auto& c : kViews) {
    for (double x : {0.0, 17.0, 196.5, 300.25}) {
      for (double y : {0.0, 33.0, 76.75}) {
        const Gradient g = GradientAtPixel(c.view, c.width, c.height, x, y);
        const PixelPoint back = PixelOfGradient(c.view, c.width, c.height, g);
        EXPECT_NEAR(back.x, x, 1e-9) << c.view.pixelsPerUnit;
        EXPECT_NEAR(back.y, y, 1e-9) << c.view.pixelsPerUnit;
        const int wholeX = static_cast<int>(x);
        const int wholeY = static_cast<int>(y);
        const auto readout =
            GradientReadoutAtPixel(state, c.width, c.height, wholeX, wholeY, c.view);
        ASSERT_EQ(readout.has_value(), wholeX < c.width && wholeY < c.height);
        if (!readout) continue;
        const Gradient whole = GradientAtPixel(c.view, c.width, c.height, wholeX, wholeY);
        EXPECT_EQ(readout->gradient->p, whole.p) << c.view.pixelsPerUnit << " x " << x;
        EXPECT_EQ(readout->gradient->q, whole.q) << c.view.pixelsPerUnit << " y " << y;
      }
    }
    // The origin lies originX right of and originY above the frame's centre.
    const PixelPoint origin = PixelOfGradient(c.view, c.width, c.height, {0.0, 0.0});
    const RasterFrame frame = MeasureRasterFrame(c.width, c.height);
    EXPECT_DOUBLE_EQ(origin.x, frame.cx + c.view.originX);
    EXPECT_DOUBLE_EQ(origin.y, frame.roundedHeight - frame.cy - c.view.originY);
  }
}

// The default view paints, pixel for pixel, what the serial map shader paints at 50 and 100
// pixels a unit, smoothed or not.
TEST(GradientView, DefaultViewPaintsTheSerialShadersPixels) {
  for (int scale : {1, 2}) {
    for (bool smoothing : {false, true}) {
      RenderState state = FigureState(kGlossy, 30.0);
      ImageBuffer painted(393, 337);
      PaintGradientMap(state, painted, smoothing, ScaledGradientView(scale));
      ImageBuffer serial(393, 337);
      serial.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
      const PassConstants pass = MakePassConstants(state);
      WalkRaster(state, serial, MeasureRasterFrame(serial), smoothing,
                 [&](RenderState& s, Picture& picture) {
                   ColourSerialMapSample(s, pass, kGradientPixelsPerUnit * scale);
                   if (s.subSample == 0) PaintSample(s, picture);
                 });
      EXPECT_TRUE(painted.Pixels() == serial.Pixels()) << scale << " " << smoothing;
    }
  }
}

}  // namespace
