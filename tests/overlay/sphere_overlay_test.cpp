#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "intake/number_text.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "overlay/phi_grid.h"
#include "overlay/sphere_marks.h"
#include "pass/raster_walk.h"
#include "pass/readout.h"
#include "pass/shade_command.h"

namespace {

constexpr int kWidth = 393;
constexpr int kHeight = 337;

struct View {
  std::string rotX, rotY, rotZ, slant;
  bool half;
};

// The state a shade press leaves behind for the matte sphere in `view`, grey tones.
RenderState PassedState(const View& view) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kMatte;
  state.showIsolines = 0;
  state.halfSphere = static_cast<int16_t>(view.half ? 1 : 0);
  ShadeInputs inputs;
  inputs.rotX = view.rotX;
  inputs.rotY = view.rotY;
  inputs.rotZ = view.rotZ;
  inputs.slant = view.slant;
  ImageBuffer picture(kWidth, kHeight);
  EXPECT_TRUE(std::holds_alternative<ShadePass>(
      RunShadeCommand(state, picture, inputs, CNumberFormat(), false)));
  return state;
}

PixelPoint PictureCentre() {
  const RasterFrame frame = MeasureRasterFrame(kWidth, kHeight);
  return {frame.cx, frame.roundedHeight - frame.cy};
}

// Seen from +z with the light behind the observer, matte phi is cos i = z: the contour of level L
// is the circle of radius sin(acos L) sphere units, 100 sin(acos L) pixels.
TEST(SphereContours, MatteLevelsAreCirclesAboutTheCentre) {
  const RenderState state = PassedState({"90", "0", "0", "0", false});
  const SampleGrid grid = SpherePhiGrid(state, kWidth, kHeight);
  const PixelPoint centre = PictureCentre();
  for (const double level : {0.2, 0.5, 0.9}) {
    const std::vector<ContourLine> lines = TraceContours(grid, level);
    ASSERT_EQ(lines.size(), 1U) << level;
    const double radius = 100.0 * std::sin(std::acos(level));
    for (const PixelPoint& point : lines[0]) {
      ASSERT_NEAR(std::hypot(point.x - centre.x, point.y - centre.y), radius, 0.5) << level;
    }
  }
}

// The outline lies on the edge of what the picture shows, and every edge pixel lies on it.
TEST(SphereOutline, FollowsTheEdgeOfThePaintedDisc) {
  const View views[] = {
      {"30", "0", "0", "0", true},     {"30", "0", "0", "0", false},
      {"-60", "25", "-30", "0", true}, {"120", "40", "70", "0", true},
      {"0", "0", "0", "0", true},      {"90", "0", "0", "0", true},
      {"-90", "10", "0", "0", true},   {"200", "-35", "15", "0", true},
  };
  for (const View& view : views) {
    const RenderState state = PassedState(view);
    const SampleGrid grid = SpherePhiGrid(state, kWidth, kHeight);
    const auto shown = [&](int x, int y) {
      return x >= 0 && y >= 0 && x < kWidth && y < kHeight && std::isfinite(grid.At(x, y));
    };
    const std::vector<ContourLine> outline = SphereOutline(state, kWidth, kHeight);
    ASSERT_FALSE(outline.empty());
    std::vector<PixelPoint> points;
    for (const ContourLine& line : outline) points.insert(points.end(), line.begin(), line.end());
    for (const PixelPoint& point : points) {
      bool sphere = false;
      bool background = false;
      for (int y = static_cast<int>(point.y) - 1; y <= static_cast<int>(point.y) + 2; ++y) {
        for (int x = static_cast<int>(point.x) - 1; x <= static_cast<int>(point.x) + 2; ++x) {
          (shown(x, y) ? sphere : background) = true;
        }
      }
      ASSERT_TRUE(sphere && background)
          << view.rotX << " " << view.rotY << " at " << point.x << "," << point.y;
    }
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (!shown(x, y) ||
            (shown(x - 1, y) && shown(x + 1, y) && shown(x, y - 1) && shown(x, y + 1))) {
          continue;
        }
        double nearest = 1e9;
        for (const PixelPoint& point : points) {
          nearest = std::min(nearest, std::hypot(point.x - x, point.y - y));
        }
        ASSERT_LT(nearest, 1.6) << view.rotX << " " << view.rotY << " edge pixel " << x << "," << y;
      }
    }
  }
}

// The sun mark lies where i = 0, and is hidden on the far side and where the half sphere is cut.
TEST(SourcePointOnPicture, LiesWhereTheLightFallsStraightAndHidesWhenUnseen) {
  struct Case {
    View view;
    bool seen;
  };
  const Case cases[] = {
      {{"90", "0", "0", "0", true}, true},      {{"90", "0", "0", "60", true}, true},
      {{"30", "20", "-40", "45", false}, true}, {{"90", "0", "0", "180", false}, false},
      {{"-60", "0", "0", "150", false}, true},  {{"-60", "0", "0", "150", true}, false},
      {{"0", "0", "0", "-90", false}, false},   {{"0", "0", "0", "90", true}, true},
  };
  for (const Case& c : cases) {
    const RenderState state = PassedState(c.view);
    const std::optional<PixelPoint> point = SourcePointOnPicture(state, kWidth, kHeight);
    ASSERT_EQ(point.has_value(), c.seen) << c.view.rotX << " slant " << c.view.slant;
    if (!point) continue;
    const std::optional<Readout> readout =
        ReadoutAtPixel(state, kWidth, kHeight, static_cast<int>(std::lround(point->x)),
                       static_cast<int>(std::lround(point->y)));
    ASSERT_TRUE(readout.has_value());
    EXPECT_LT(readout->angleI, 1.5) << c.view.rotX << " slant " << c.view.slant;
  }
}

// A surface normal N = (-p, -q, 1) / |.| is marked where the sphere's readout finds that very
// point (the map's frame, not a mirrored or turned one), and not where the view hides it.
TEST(DirectionOnPicture, MarksTheNormalOfAGradientWhereTheSphereShowsIt) {
  struct Case {
    View view;
    Gradient gradient;
    bool seen;
  };
  const Case cases[] = {
      {{"90", "0", "0", "0", false}, {0.0, 0.0}, true},
      {{"0", "0", "0", "0", false}, {0.3, -2.0}, true},
      {{"90", "0", "0", "0", true}, {0.8, -0.3}, true},
      {{"30", "20", "-40", "45", true}, {-0.5, 1.2}, true},
      {{"-90", "0", "0", "0", false}, {0.2, 0.4}, false},
      {{"-60", "0", "0", "0", false}, {0.0, 0.0}, false},
  };
  for (const Case& c : cases) {
    const RenderState state = PassedState(c.view);
    const Point3 normal = GradientNormal(c.gradient);
    const std::optional<PixelPoint> point =
        DirectionOnPicture(state, kWidth, kHeight, 2.0 * normal.x, 2.0 * normal.y, 2.0 * normal.z);
    ASSERT_EQ(point.has_value(), c.seen) << c.view.rotX << " p " << c.gradient.p;
    if (!point) continue;
    const std::optional<Readout> readout =
        ReadoutAtPixel(state, kWidth, kHeight, static_cast<int>(std::lround(point->x)),
                       static_cast<int>(std::lround(point->y)));
    ASSERT_TRUE(readout.has_value()) << c.view.rotX << " p " << c.gradient.p;
    const Point3& shown = readout->reading.surfacePoint;
    EXPECT_LT(std::hypot(shown.x - normal.x, shown.y - normal.y, shown.z - normal.z),
              1.5 * state.pixelScale)
        << c.view.rotX << " " << c.view.rotY << " p " << c.gradient.p << " q " << c.gradient.q;
  }
}

}  // namespace
