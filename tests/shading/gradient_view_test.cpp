// The map's view: pixels and gradients map onto each other, the default view paints the samples
// the serial map shader paints, and a zoomed or moved view reads at each pixel what it paints.

#include "shading/gradient_view.h"

#include <gtest/gtest.h>

#include <string>

#include "model/angles.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"
#include "shading/raster_walk.h"
#include "shading/readout.h"

namespace {

RenderState ViewState(int32_t function, double slantDegrees) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = function;
  AimLightSource(state, RadiansFromDegrees(slantDegrees));
  state.glossS = 0.7;
  state.glossN = 5.0;
  return state;
}

struct ViewCase {
  GradientView view;
  int width, height;
};
const ViewCase kViews[] = {
    {{}, 393, 337},
    {{75.0, 0.0, 0.0}, 394, 338},
    {{123.456, 40.25, -17.5}, 600, 451},
    {{12.5, -300.0, 210.0}, 101, 77},
};

std::string Where(const ViewCase& c) {
  return std::to_string(c.view.pixelsPerUnit) + " px/unit at " + std::to_string(c.view.originX) +
         "," + std::to_string(c.view.originY) + " in " + std::to_string(c.width) + "x" +
         std::to_string(c.height);
}

TEST(GradientView, PixelsAndGradientsInvertEachOther) {
  for (const ViewCase& c : kViews) {
    for (double x : {0.0, 17.0, 196.5, 300.25}) {
      for (double y : {0.0, 33.0, 168.0, 76.75}) {
        const Gradient g = GradientAtPixel(c.view, c.width, c.height, x, y);
        const PixelPoint back = PixelOfGradient(c.view, c.width, c.height, g);
        EXPECT_NEAR(back.x, x, 1e-9) << Where(c);
        EXPECT_NEAR(back.y, y, 1e-9) << Where(c);
      }
    }
    // The origin lies originX right of and originY above the frame's centre.
    const PixelPoint origin = PixelOfGradient(c.view, c.width, c.height, {0.0, 0.0});
    const RasterFrame frame = MeasureRasterFrame(c.width, c.height);
    EXPECT_DOUBLE_EQ(origin.x, frame.cx + c.view.originX) << Where(c);
    EXPECT_DOUBLE_EQ(origin.y, frame.roundedHeight - frame.cy - c.view.originY) << Where(c);
  }
}

// The default view paints, pixel for pixel, what the serial map shader paints at 50 and 100
// pixels a unit, smoothed or not.
TEST(GradientView, DefaultViewPaintsTheSerialShadersPixels) {
  for (int scale : {1, 2}) {
    for (bool smoothing : {false, true}) {
      RenderState state = ViewState(kGlossy, 30.0);
      ImageBuffer painted(393, 337);
      PaintGradientMap(state, painted, smoothing, ScaledGradientView(scale));
      ImageBuffer serial(393, 337);
      serial.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
      const PassConstants pass = MakePassConstants(state);
      const double pixelsPerUnit = kGradientPixelsPerUnit * scale;
      WalkRaster(state, serial, MeasureRasterFrame(serial), smoothing,
                 [&](RenderState& s, Picture& picture) {
                   ColourGradientSample(s, pass, pixelsPerUnit);
                   if (s.subSample == 0) PaintSample(s, picture);
                 });
      EXPECT_TRUE(painted.Pixels() == serial.Pixels())
          << "scale " << scale << " smoothing " << smoothing;
    }
  }
}

// In any view, the readout of a pixel reads the gradient GradientAtPixel gives, and the colour
// painted there is the colour of that gradient's reading.
TEST(GradientView, ReadoutReadsTheGradientItsPixelPaints) {
  for (const ViewCase& c : kViews) {
    RenderState state = ViewState(kMatte, 25.0);
    state.showIsolines = 0;
    state.isoLevel.fill(5.0F);  // grey tones only
    ImageBuffer picture(c.width, c.height);
    PaintGradientMap(state, picture, false, c.view);
    for (int x = 0; x < c.width; x += 7) {
      for (int y = 0; y < c.height; y += 5) {
        const std::optional<Readout> readout =
            GradientReadoutAtPixel(state, c.width, c.height, x, y, c.view);
        ASSERT_TRUE(readout && readout->gradient) << Where(c);
        const Gradient expected = GradientAtPixel(c.view, c.width, c.height, x, y);
        ASSERT_EQ(readout->gradient->p, expected.p) << Where(c) << " x " << x;
        ASSERT_EQ(readout->gradient->q, expected.q) << Where(c) << " y " << y;
        RenderState sample = state;
        sample.subSample = 0;
        ColourSurfacePoint(GradientNormal(expected), sample, MakePassConstants(state));
        ASSERT_EQ(picture.At(x, y), LimitSums(sample)) << Where(c) << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
