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

TEST(GradientMap, MatteGreyIsCosI) {
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
        if (got.r >= brightest) {
          if (got.r > brightest) brightestX = brightestY = brightCount = 0.0;
          brightest = got.r;
          brightestX += x;
          brightestY += y;
          ++brightCount;
        }
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

TEST(GradientMap, IgnoresTheView) {
  RenderState state = MapState(kGlossy, 30.0, true);
  ImageBuffer plain(393, 337);
  RunGradientMapPass(state, plain, true);
  state.rotX = 1.2F;
  state.rotZ = -0.4F;
  state.halfSphere = 0;
  ImageBuffer turned(393, 337);
  RunGradientMapPass(state, turned, true);
  EXPECT_TRUE(plain.Pixels() == turned.Pixels());
}

}  // namespace
