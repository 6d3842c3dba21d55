// Views near a right angle about Ox or Oz, where the line of sight turns across y: each picture
// must still be the sphere. Every pixel is checked against the surface point of its exact line of
// sight, found in double from the typed rotations, with the view-wide choice of the visible hit.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "exact_view.h"
#include "intake/number_text.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/raster_walk.h"
#include "pass/shade_command.h"
#include "photometry/pass_constants.h"
#include "photometry/sample_colour.h"

namespace {

constexpr Rgb kClear{1, 2, 3};  // a background no sample paints
constexpr double kOutlineRadius = 100.0;
constexpr double kUnsure = 0.01;   // cosines and z this near 0 may fall either way
constexpr int kGreyTolerance = 3;  // grey levels
constexpr double kMatchingShare = 0.995;

struct View {
  const char* rotX;
  const char* rotZ;
};

std::string Describe(const View& v, bool whole, bool colour) {
  return std::string("rotations ") + v.rotX + ", 0, " + v.rotZ +
         (whole ? ", whole sphere" : ", half sphere") + (colour ? ", colour" : ", grey");
}

// What the pixel at offset (dx, dy) should show: nothing, or the colour of its exact surface
// point. Unsure near the outline, near the equator of a half sphere and near the terminator.
struct Expected {
  bool unsure = false;
  std::optional<Rgb> colour;  // nothing: background
};

Expected ExactPixel(const RenderState& s, double dx, double dy) {
  if (std::fabs(std::hypot(dx, dy) - kOutlineRadius) <= 1.0) return {true, {}};
  Vec shown{};
  Vec other{};
  if (!ExactHits(s, dx, dy, shown, other)) return {};
  if (s.halfSphere == 1) {
    if (std::fabs(shown.z) < kUnsure || std::fabs(other.z) < kUnsure) return {true, {}};
    if (shown.z < 0.0) {
      if (other.z < 0.0) return {};
      shown = other;
    }
  }
  const double cosI = shown.y * s.sourceY + shown.z * s.sourceZ;
  if (std::fabs(cosI) < kUnsure) return {true, {}};
  if (cosI < 0.0) return {false, kDeepShadow};
  const int32_t grey = static_cast<int32_t>(std::lround(255.0 * std::min(cosI, 1.0)));
  return {false, Rgb{grey, grey, grey}};
}

bool Matches(const Rgb& got, const Expected& want) {
  if (!want.colour) return got == kClear;
  const Rgb& c = *want.colour;
  return std::abs(got.r - c.r) <= kGreyTolerance && std::abs(got.g - c.g) <= kGreyTolerance &&
         std::abs(got.b - c.b) <= kGreyTolerance;
}

TEST(RightAngleViews, PaintTheSphereAsItsExactGeometryShowsIt) {
  const char* nearRightAngles[] = {"89.9",   "89.99", "89.999", "89.9999", "90.0001",
                                   "90.001", "90.01", "90.1",   "270",     "-270",
                                   "269.99", "450",   "-89.99", "-90.001"};
  std::vector<View> views;
  for (const char* angle : nearRightAngles) {
    views.push_back({angle, "0"});   // about Ox
    views.push_back({"30", angle});  // about Oz, from the default tilt
  }
  views.push_back({"90", "90"});
  views.push_back({"-90", "270"});
  views.push_back({"90", "0"});  // the stand-ins keep the 32-bit steps
  views.push_back({"30", "90"});

  for (const View& v : views) {
    for (bool whole : {true, false}) {
      for (bool colour : {false, true}) {
        RenderState state;
        ApplyStartupValues(state);
        state.halfSphere = static_cast<int16_t>(whole ? 0 : 1);
        state.showIsolines = static_cast<int16_t>(colour ? 1 : 0);
        state.isoLevel.fill(5.0F);  // no band can match
        state.backgroundR = kClear.r;
        state.backgroundG = kClear.g;
        state.backgroundB = kClear.b;
        ShadeInputs inputs;
        inputs.rotX = v.rotX;
        inputs.rotZ = v.rotZ;
        inputs.slant = "30";
        ImageBuffer picture(393, 337);
        const ShadeOutcome outcome =
            RunShadeCommand(state, picture, inputs, CNumberFormat(), false);
        const std::string view = Describe(v, whole, colour);
        ASSERT_TRUE(std::holds_alternative<ShadePass>(outcome)) << view;

        const RasterFrame frame = MeasureRasterFrame(picture);
        int checked = 0, matching = 0, discFaults = 0;
        for (int y = 0; y < picture.Height(); ++y) {
          for (int x = 0; x < picture.Width(); ++x) {
            const double dx = x - static_cast<double>(frame.cx);
            const double dy = picture.Height() - y - static_cast<double>(frame.cy);
            const Rgb got = picture.At(x, y);
            const double radius = std::hypot(dx, dy);
            if (whole && radius < kOutlineRadius - 1.0) discFaults += got == kClear ? 1 : 0;
            if (radius > kOutlineRadius + 1.0) discFaults += got == kClear ? 0 : 1;
            const Expected want = ExactPixel(state, dx, dy);
            if (want.unsure) continue;
            ++checked;
            matching += Matches(got, want) ? 1 : 0;
          }
        }
        EXPECT_EQ(discFaults, 0) << view;
        EXPECT_GE(matching, kMatchingShare * checked)
            << view << ": " << checked - matching << " of " << checked << " pixels differ";
      }
    }
  }
}

// Typed right angles are replaced by stand-ins that keep the y parametrisation, so their
// pictures stay those of the 32-bit steps; views across y leave it.
TEST(RightAngleViews, OnlyViewsAcrossYLeaveTheDepthParametrisation) {
  const struct {
    View view;
    bool byDepth;
  } cases[] = {{{"90", "0"}, true},       {{"-90", "0"}, true},   {{"30", "90"}, true},
               {{"0", "-90"}, true},      {{"30", "0"}, true},    {{"89.9", "0"}, false},
               {{"90.0001", "0"}, false}, {{"30", "270"}, false}, {{"90", "90"}, false},
               {{"-90", "270"}, false}};
  for (const auto& c : cases) {
    RenderState state;
    ApplyStartupValues(state);
    ShadeInputs inputs;
    inputs.rotX = c.view.rotX;
    inputs.rotZ = c.view.rotZ;
    ASSERT_TRUE(
        std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, inputs, CNumberFormat())));
    EXPECT_EQ(MakePassConstants(state).form.byDepth, c.byDepth)
        << "rotations " << c.view.rotX << ", 0, " << c.view.rotZ;
  }
}

}  // namespace
