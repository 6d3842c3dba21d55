// The reflectance map in gradient space: the same function as the sphere at the point with the
// same normal, the grey of matte cos i, and the brightest point where the normal meets the source.

#include "gradient/gradient_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "model/angles.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/raster_walk.h"
#include "photometry/gradient_space.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"
#include "photometry/sphere_geometry.h"

namespace {

constexpr double kSphereGeometryRounding = 2e-5;  // relative to max(1, |phi|)

RenderState MapState(int32_t function, double slantDegrees, bool colour) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = function;
  AimLightSource(state, RadiansFromDegrees(slantDegrees));
  state.mirrorTolerance = 0.017F;
  state.glossS = 0.7;
  state.glossN = 5.0;
  state.showIsolines = static_cast<int16_t>(colour ? 1 : 0);
  return state;
}

// The map's phi at (p, q) against the sphere's phi where the sphere picture shows the point with
// the normal (-p, -q, 1) / |...|: a view turned 90 degrees about Ox looks down on +z, so the
// sample at offset (x, -y) / pixelScale meets the sphere there. The sphere's 32-bit geometry
// finds that point to a few 1e-7, which the glossy lobe and the rocky quotient magnify to some
// 1e-5 near the outline; for matte, the map's phi is also checked against cos i formed in double
// from p and q to 1e-6.
TEST(GradientMap, PhiEqualsTheSpheresAtThePointWithTheSameNormal) {
  for (int32_t function : {kMatte, kGlossy, kRocky, kMirror}) {
    for (double slant : {0.0, 30.0, -50.0}) {
      RenderState state = MapState(function, slant, function == kMirror);
      state.halfSphere = 0;
      state.rotX = static_cast<float>(kPi / 2.0);
      const PassConstants pass = MakePassConstants(state);
      int compared = 0;
      for (double p = -2.5; p <= 2.5; p += 0.25) {
        for (double q = -2.5; q <= 2.5; q += 0.25) {
          const Point3 normal = GradientNormal({p, q});
          const float mapPhi = ReadSurfacePoint(normal, state, pass).phi;
          RenderState sphere = state;
          sphere.dx = static_cast<float>(normal.x / static_cast<double>(state.pixelScale));
          sphere.dy = static_cast<float>(-normal.y / static_cast<double>(state.pixelScale));
          const std::optional<SampleReading> seen = ReadSample(sphere, pass);
          ASSERT_TRUE(seen) << "p " << p << " q " << q;
          EXPECT_NEAR(seen->surfacePoint.z, normal.z, 1e-5) << "p " << p << " q " << q;
          const std::string where = "function " + std::to_string(function) + ", slant " +
                                    std::to_string(slant) + ", p " + std::to_string(p) + ", q " +
                                    std::to_string(q);
          EXPECT_NEAR(
              mapPhi, seen->phi,
              kSphereGeometryRounding * std::max(1.0, std::fabs(static_cast<double>(mapPhi))))
              << where;
          if (function == kMatte) {
            const double sinSlant = std::sin(static_cast<double>(state.sourceSlant));
            const double cosSlant = std::cos(static_cast<double>(state.sourceSlant));
            const double cosI = (cosSlant - q * sinSlant) / std::sqrt(1.0 + p * p + q * q);
            EXPECT_NEAR(mapPhi, cosI, 1e-6) << where;
          }
          ++compared;
        }
      }
      EXPECT_EQ(compared, 21 * 21);
    }
  }
}

TEST(GradientMap, MatteGreyIsCosIAwayFromTheAxes) {
  for (double slant : {0.0, 45.0, -20.0}) {
    RenderState state = MapState(kMatte, slant, false);
    state.isoLevel.fill(5.0F);  // no band can match
    ImageBuffer picture(393, 337);
    RunGradientMapPass(state, picture, false);
    const RasterFrame frame = MeasureRasterFrame(picture);
    const double sinSlant = std::sin(static_cast<double>(state.sourceSlant));
    const double cosSlant = std::cos(static_cast<double>(state.sourceSlant));
    int faults = 0;
    int brightest = -1;
    double brightestX = 0.0, brightestY = 0.0, brightCount = 0.0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        const Rgb got = picture.At(x, y);
        if (got != kGradientAxisColour && got.r >= brightest) {
          if (got.r > brightest) brightestX = brightestY = brightCount = 0.0;
          brightest = got.r;
          brightestX += x;
          brightestY += y;
          ++brightCount;
        }
        if (NearGradientAxes(393, 337, x, y)) continue;
        const double p = (x - static_cast<double>(frame.cx)) / kGradientPixelsPerUnit;
        const double q =
            (frame.roundedHeight - y - static_cast<double>(frame.cy)) / kGradientPixelsPerUnit;
        const double cosI = (cosSlant - q * sinSlant) / std::sqrt(1.0 + p * p + q * q);
        if (cosI > 0.01) {
          faults += std::abs(got.r - static_cast<int>(std::lround(255.0 * cosI))) <= 3 ? 0 : 1;
        } else if (cosI < -0.01) {
          faults += got == (Rgb{0, 0, 0}) ? 0 : 1;
        }
      }
    }
    std::ostringstream what;
    what << "slant " << slant;
    EXPECT_EQ(faults, 0) << what.str();
    if (slant == 45.0) {
      // The normal meets the source at q = -tan 45 = -1: 50 pixels below the centre.
      EXPECT_NEAR(brightestX / brightCount, frame.cx, 1.0) << what.str();
      EXPECT_NEAR(brightestY / brightCount, frame.roundedHeight - frame.cy + 50.0, 1.0)
          << what.str();
    }
  }
}

TEST(GradientMap, DrawsAxesThroughTheCentreAndIgnoresTheView) {
  RenderState state = MapState(kGlossy, 30.0, true);
  ImageBuffer plain(393, 337);
  RunGradientMapPass(state, plain, true);
  state.rotX = 1.2F;
  state.rotZ = -0.4F;
  state.halfSphere = 0;
  ImageBuffer turned(393, 337);
  RunGradientMapPass(state, turned, true);
  EXPECT_TRUE(plain.Pixels() == turned.Pixels());
  // The axes cross at the pixel nearest the origin; ticks one unit (50 pixels) out.
  EXPECT_EQ(plain.At(196, 168), kGradientAxisColour);
  EXPECT_EQ(plain.At(5, 168), kGradientAxisColour);
  EXPECT_EQ(plain.At(196, 330), kGradientAxisColour);
  EXPECT_EQ(plain.At(246, 166), kGradientAxisColour);
  EXPECT_EQ(plain.At(194, 118), kGradientAxisColour);
  EXPECT_NE(plain.At(246, 160), kGradientAxisColour);
}

// A grey map whose pixels are all grey tones or shadow colours, so that only the axes' drawing
// has the axis colour.
ImageBuffer PlainMap(int width, int height) {
  RenderState state = MapState(kMatte, 20.0, false);
  state.isoLevel.fill(5.0F);  // no band can match
  ImageBuffer picture(width, height);
  RunGradientMapPass(state, picture, false);
  return picture;
}

// Pixels of the axis colour in the columns and rows from..to (inclusive), those outside the
// picture counted as not.
int AxisPixelsIn(const ImageBuffer& picture, int left, int right, int top, int bottom) {
  int count = 0;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height();
      count += inside && picture.At(x, y) == kGradientAxisColour ? 1 : 0;
    }
  }
  return count;
}

struct MapSize {
  int width, height;
};
// Square, wide and tall maps: each axis must count its whole values along its own side.
const MapSize kMapSizes[] = {{393, 337}, {337, 393}, {100, 500}, {500, 100}, {120, 451}};

// Every whole p and q that lies within the picture has its tick, 3 pixels either side of the
// axis; the origin is the pixel at (width / 2, height / 2).
TEST(GradientMap, TicksMarkEveryWholePAndQWithinThePicture) {
  constexpr int kUnit = 50;
  for (const MapSize& size : kMapSizes) {
    const ImageBuffer picture = PlainMap(size.width, size.height);
    const int column = size.width / 2;
    const int row = size.height / 2;
    int missing = 0;
    int qTicks = 0;
    for (int x = column % kUnit; x < size.width; x += kUnit) {
      missing += 7 - AxisPixelsIn(picture, x, x, row - 3, row + 3);
    }
    for (int y = row % kUnit; y < size.height; y += kUnit, ++qTicks) {
      missing += 7 - AxisPixelsIn(picture, column - 3, column + 3, y, y);
    }
    EXPECT_EQ(missing, 0) << size.width << "x" << size.height;
    EXPECT_EQ(qTicks, (row / kUnit) + (size.height - 1 - row) / kUnit + 1)
        << size.width << "x" << size.height;
  }
  // The tall map's outermost ticks: q = +4 and q = -4, 200 pixels above and below the origin.
  const ImageBuffer tall = PlainMap(100, 500);
  for (int y : {50, 450}) {
    EXPECT_EQ(tall.At(47, y), kGradientAxisColour) << "row " << y;
    EXPECT_EQ(tall.At(53, y), kGradientAxisColour) << "row " << y;
  }
}

// The letter p stands above the p axis at the right edge, the letter q right of the q axis at
// the top; each is 5 x 7 pixels, 6 pixels from the axis and the edge, with 13 pixels lit.
TEST(GradientMap, LettersStandAboveThePAxisAndRightOfTheQAxis) {
  constexpr int kLetterPixels = 13;
  for (const MapSize& size : kMapSizes) {
    const ImageBuffer picture = PlainMap(size.width, size.height);
    const int column = size.width / 2;
    const int row = size.height / 2;
    const int pLeft = size.width - 11;
    const std::string where = std::to_string(size.width) + "x" + std::to_string(size.height);
    EXPECT_EQ(AxisPixelsIn(picture, pLeft, pLeft + 4, row - 13, row - 7), kLetterPixels) << where;
    EXPECT_EQ(AxisPixelsIn(picture, pLeft, pLeft + 4, row + 7, row + 13), 0) << where;
    EXPECT_EQ(AxisPixelsIn(picture, column + 6, column + 10, 6, 12), kLetterPixels) << where;
    EXPECT_EQ(AxisPixelsIn(picture, column - 10, column - 6, 6, 12), 0) << where;
  }
}

}  // namespace
