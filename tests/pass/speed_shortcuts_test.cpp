// Each speed shortcut changes nothing: whole passes with every shortcut against passes with one
// of them turned off, over one shared list of views, grey and colour, half and whole sphere, with
// and without smoothing. The picture and the state the pass leaves must be identical.

#include "photometry/speed_shortcuts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>

#include "model/angles.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/raster_walk.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"
#include "photometry/sphere_geometry.h"

namespace {

constexpr float kPixelScale = 0.02F;  // a sphere of radius 50 pixels keeps the table quick
constexpr int kPictureSide = 111;     // the whole sphere and a margin around it

struct View {
  double x, y, z;  // degrees
};

// Views in every direction, near and across a right angle to y, and turned past 180 degrees.
const View kViews[] = {{0, 0, 0},      {30, 0, 0},   {-45, 20, 135}, {89.85, 0, 0},
                       {90.01, 0, 0},  {30, 0, 270}, {0, 90, 0},     {180, 0, 0},
                       {120, -60, 10}, {60, 90, 0},  {75, 25, 89.6}, {-150, -50, 40},
                       {200, 45, 135}, {10, 0, 85}};

struct Shortcut {
  const char* name;
  int32_t function;  // the reflectance function whose passes can take it
  std::function<void(SpeedShortcuts&)> turnOff;
  bool rows;  // the raster walk's passing over rows, rather than a test inside the shader
  // Whether the shortcut claims a sample: at least one must be claimed over the views.
  std::function<bool(const RenderState&, const PassConstants&)> claims;
};

bool ClaimsSureMiss(const RenderState& s, const PassConstants& pass) {
  return IsSureMiss(MakeLineOfSight(s.dx, s.dy, s.pixelScale, pass.lineDepth), pass.shortcuts);
}

const Shortcut kShortcuts[] = {
    {"sure miss", kMatte, [](SpeedShortcuts& s) { s.sureMissRadiusSquared = INFINITY; }, false,
     ClaimsSureMiss},
    {"rows that may meet", kMatte, [](SpeedShortcuts&) {}, true, ClaimsSureMiss},
    {"sure below the equator", kGlossy, [](SpeedShortcuts& s) { s.sureBelowEquatorTest = false; },
     false,
     [](const RenderState& s, const PassConstants& pass) {
       return s.halfSphere == 1 &&
              IsSureBelowEquator(MakeLineOfSight(s.dx, s.dy, s.pixelScale, pass.lineDepth),
                                 pass.shortcuts);
     }},
    {"mirror surely fails", kMirror, [](SpeedShortcuts& s) { s.mirrorCosineFloor = 0.0; }, false,
     [](const RenderState& s, const PassConstants& pass) {
       Point3 p;
       if (!FindSurfacePoint(s, pass, IntersectionRule::kPlain, p)) return false;
       return MirrorSurelyFails(p, IncidenceCos(p, s, pass.light.sourceLengthSquared),
                                pass.shortcuts);
     }},
};

RenderState ViewState(const View& v, int32_t function, bool colour, bool whole) {
  RenderState state;
  ApplyStartupValues(state);
  state.pixelScale = kPixelScale;
  state.rotX = RadiansFromDegrees(v.x);
  state.rotY = RadiansFromDegrees(v.y);
  state.rotZ = RadiansFromDegrees(v.z);
  AimLightSource(state, RadiansFromDegrees(20.0));
  state.reflectanceKind = function;
  state.mirrorTolerance = 0.017F;
  state.showIsolines = static_cast<int16_t>(colour ? 1 : 0);
  state.halfSphere = static_cast<int16_t>(whole ? 0 : 1);
  return state;
}

void Walk(RenderState& state, ImageBuffer& picture, const PassConstants& pass, bool smoothing,
          bool passOverRows) {
  const auto shade = [&](RenderState& s, Picture& p) {
    if (s.showIsolines == 1) {
      ShadeColourPixel(s, p, pass);
    } else {
      ShadeGreyPixel(s, p, pass);
    }
  };
  picture.Clear({255, 255, 255});
  const RasterFrame frame = MeasureRasterFrame(picture);
  if (!passOverRows) {
    WalkRaster(state, picture, frame, smoothing, shade);
    return;
  }
  const float pixelScale = state.pixelScale;
  WalkRaster(state, picture, frame, smoothing, shade, [&](float dx, float dy) {
    return MayMeetSphere(dx, dy, pixelScale, pass.lineDepth, pass.shortcuts);
  });
}

// Samples of the picture without smoothing that the shortcut claims.
int CountClaims(const Shortcut& shortcut, RenderState state, const PassConstants& pass) {
  int claimed = 0;
  const float centre = (kPictureSide - 1) / 2.0F;
  for (int x = 0; x < kPictureSide; ++x) {
    for (int y = 0; y < kPictureSide; ++y) {
      state.dx = static_cast<float>(x) - centre;
      state.dy = static_cast<float>(y) - centre;
      claimed += shortcut.claims(state, pass) ? 1 : 0;
    }
  }
  return claimed;
}

TEST(SpeedShortcuts, EachShortcutChangesNothing) {
  for (const Shortcut& shortcut : kShortcuts) {
    int claimed = 0;
    for (const View& view : kViews) {
      for (bool colour : {false, true}) {
        for (bool whole : {false, true}) {
          for (bool smoothing : {false, true}) {
            std::ostringstream row;
            row << shortcut.name << ": rotations " << view.x << ", " << view.y << ", " << view.z
                << (colour ? ", colour" : ", grey") << (whole ? ", whole" : ", half")
                << (smoothing ? ", smoothed" : "");
            const RenderState start = ViewState(view, shortcut.function, colour, whole);
            const PassConstants pass = MakePassConstants(start);
            PassConstants without = pass;
            shortcut.turnOff(without.shortcuts);

            RenderState taken = start;
            RenderState skipped = start;
            ImageBuffer takenPicture(kPictureSide, kPictureSide);
            ImageBuffer skippedPicture(kPictureSide, kPictureSide);
            Walk(taken, takenPicture, pass, smoothing, true);
            Walk(skipped, skippedPicture, without, smoothing, !shortcut.rows);
            EXPECT_TRUE(takenPicture.Pixels() == skippedPicture.Pixels()) << row.str();
            EXPECT_EQ(taken, skipped) << row.str();
            if (!smoothing) claimed += CountClaims(shortcut, start, pass);
          }
        }
      }
    }
    EXPECT_GT(claimed, 0) << shortcut.name << " is never taken: the table no longer tests it";
  }
}

}  // namespace
