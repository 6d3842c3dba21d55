// Passing over rows that cannot meet the sphere: the run search against a row-by-row scan, and
// whole walks with the shortcut against walks that shade every position.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "model/angles.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/raster_walk.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"

namespace {

// Holds where |dy| <= radius, or nowhere for a negative radius: one run around the centre.
struct WithinRadius {
  float radius;
  bool operator()(float, float dy) const { return std::fabs(dy) <= radius; }
};

RowSpan ScanRows(const WithinRadius& mayMeet, float centre, int32_t rowLimit) {
  RowSpan span;
  for (int32_t row = 0; row <= rowLimit; ++row) {
    if (!mayMeet(0.0F, RowOffset(row, centre))) continue;
    if (span.Empty()) span.first = row;
    span.last = row;
  }
  return span;
}

TEST(RowsThatMayMeet, FindsTheSameRunAsAScanOfEveryRow) {
  struct Case {
    float centre;
    int32_t rowLimit;
    float radius;
  };
  const Case cases[] = {
      {168.5F, 337, 100.0F}, {168.5F, 337, 0.5F},    {168.5F, 337, 0.49F},
      {168.5F, 337, -1.0F},  {168.5F, 337, 1000.0F}, {168.5F, 337, 168.5F},
      {168.0F, 336, 0.0F},   {168.0F, 336, 167.9F},  {0.0F, 0, 0.0F},
      {0.0F, 0, -1.0F},      {0.5F, 1, 0.5F},        {-20.0F, 50, 30.0F},
      {-20.0F, 50, 19.0F},   {80.0F, 50, 40.0F},     {80.0F, 50, 29.0F},
      {1.25F, 7, 3.0F},      {1.75F, 7, 0.3F},       {5000.5F, 10000, 4999.0F},
  };
  for (const Case& c : cases) {
    std::ostringstream name;
    name << "centre " << c.centre << ", rows 0.." << c.rowLimit << ", radius " << c.radius;
    SCOPED_TRACE(name.str());
    const WithinRadius mayMeet{c.radius};
    const RowSpan found = RowsThatMayMeet(mayMeet, 0.0F, c.centre, c.rowLimit);
    const RowSpan scanned = ScanRows(mayMeet, c.centre, c.rowLimit);
    EXPECT_EQ(found.Empty(), scanned.Empty());
    if (!scanned.Empty()) {
      EXPECT_EQ(found.first, scanned.first);
      EXPECT_EQ(found.last, scanned.last);
    }
  }
}

struct SkipCase {
  double degX, degY, degZ;
  bool colour, smoothing;
  int16_t halfSphere;
  int width, height;
  float magnification;  // of the sphere
};

std::string Describe(const SkipCase& c) {
  std::ostringstream text;
  text << "rotations " << c.degX << ", " << c.degY << ", " << c.degZ
       << (c.colour ? ", colour" : ", grey") << (c.smoothing ? ", smoothed" : "") << ", half "
       << c.halfSphere << ", " << c.width << "x" << c.height << ", magnified " << c.magnification;
  return text.str();
}

RenderState SkipCaseState(const SkipCase& c) {
  RenderState state;
  ApplyStartupValues(state);
  state.rotX = RadiansFromDegrees(c.degX);
  state.rotY = RadiansFromDegrees(c.degY);
  state.rotZ = RadiansFromDegrees(c.degZ);
  AimLightSource(state, RadiansFromDegrees(30.0));
  state.halfSphere = c.halfSphere;
  state.showIsolines = c.colour ? 1 : 0;
  state.pixelScale /= c.magnification;
  return state;
}

// The state is what the pass leaves behind, the picture every painted pixel.
void Walk(const SkipCase& c, bool skipping, RenderState& state, ImageBuffer& picture) {
  const PassConstants pass = MakePassConstants(state);
  const auto shade = [&](RenderState& s, Picture& p) {
    if (c.colour) {
      ShadeColourPixel(s, p, pass);
    } else {
      ShadeGreyPixel(s, p, pass);
    }
  };
  const RasterFrame frame = MeasureRasterFrame(picture);
  if (!skipping) {
    WalkRaster(state, picture, frame, c.smoothing, shade);
    return;
  }
  const float pixelScale = state.pixelScale;
  WalkRaster(state, picture, frame, c.smoothing, shade, [&](float dx, float dy) {
    return MayMeetSphere(dx, dy, pixelScale, pass.lineDepth, pass.shortcuts);
  });
}

TEST(WalkRaster, PassingOverSureMissesChangesNeitherPictureNorState) {
  const SkipCase cases[] = {
      {30, 0, 0, true, false, 1, 393, 337, 1.0F},   {30, 0, 0, true, true, 1, 393, 337, 1.0F},
      {30, 0, 0, false, true, 0, 393, 337, 1.0F},   {0, 0, 0, false, false, 1, 120, 97, 1.0F},
      {-45, 20, 135, true, true, 0, 120, 97, 1.0F}, {90, 0, 0, true, false, 0, 120, 97, 1.0F},
      {89.9, 0, 90, false, true, 0, 120, 97, 1.0F}, {60, 90, 0, true, true, 1, 150, 150, 1.0F},
      {30, 0, 0, true, true, 1, 393, 337, 4.0F},    {30, 0, 0, false, false, 0, 393, 337, 0.3F},
      {180, 180, 180, true, true, 0, 40, 30, 0.2F}, {30, 0, 0, true, true, 1, 1, 1, 1.0F},
      {30, 0, 0, false, false, 1, 1, 1, 1.0F},      {30, 0, 0, true, true, 1, 250, 2, 1.0F},
      {30, 0, 0, true, false, 1, 3, 400, 1.0F},     {30, 0, 0, true, true, 1, 0, 0, 1.0F},
  };
  for (const SkipCase& c : cases) {
    SCOPED_TRACE(Describe(c));
    RenderState skipped = SkipCaseState(c);
    // Fields the walk sets must not keep what they held before it.
    skipped.sumR = skipped.sumG = skipped.sumB = -7;
    skipped.dx = skipped.dy = 1234.0F;
    skipped.subSample = 9;
    RenderState full = skipped;
    ImageBuffer skippedPicture(c.width, c.height);
    ImageBuffer fullPicture(c.width, c.height);
    Walk(c, true, skipped, skippedPicture);
    Walk(c, false, full, fullPicture);
    EXPECT_TRUE(skippedPicture.Pixels() == fullPicture.Pixels());
    EXPECT_EQ(skipped, full);
    EXPECT_EQ(skipped.px, full.px);
    EXPECT_EQ(skipped.py, full.py);
    EXPECT_EQ(skipped.sumR, full.sumR);
  }
}

}  // namespace
