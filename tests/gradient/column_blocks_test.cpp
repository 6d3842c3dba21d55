// Passes on the pool against the serial walk with the shaders painting each pixel themselves:
// the same picture and the same whole end-of-pass state for every thread count and block size.

#include "pass/column_blocks.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "gradient/gradient_map.h"
#include "model/angles.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/pass_control.h"
#include "pass/raster_pass.h"
#include "pass/worker_pool.h"
#include "photometry/gradient_space.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"
#include "photometry/speed_shortcuts.h"
#include "serial_map_shader.h"

namespace {

// An ImageBuffer that hides its rows: painted through SetPixel only, from one thread.
class RowlessPicture final : public Picture {
 public:
  RowlessPicture(int width, int height) : buffer(width, height) {}
  int Width() const override { return buffer.Width(); }
  int Height() const override { return buffer.Height(); }
  void Clear(Rgb background) override { buffer.Clear(background); }
  void SetPixel(int x, int y, Rgb colour) override { buffer.SetPixel(x, y, colour); }
  ImageBuffer buffer;
};

struct PassCase {
  float degX, degY, degZ, slant;
  int32_t kind;
  int16_t colour, half;
  bool smoothing;
  int width, height;
  float magnification;  // >1 draws a larger sphere; a tiny one (far below 1) hits no sample
};

std::string Describe(const PassCase& c, int threads, int blockColumns) {
  std::ostringstream text;
  text << "view " << c.degX << "/" << c.degY << "/" << c.degZ << " slant " << c.slant << " kind "
       << c.kind << " colour " << c.colour << " half " << c.half << " smooth " << c.smoothing << " "
       << c.width << "x" << c.height << " x" << c.magnification << ", " << threads
       << " threads, blocks of " << blockColumns;
  return text.str();
}

RenderState CaseState(const PassCase& c) {
  RenderState state;
  ApplyStartupValues(state);
  state.rotX = RadiansFromDegrees(c.degX);
  state.rotY = RadiansFromDegrees(c.degY);
  state.rotZ = RadiansFromDegrees(c.degZ);
  AimLightSource(state, RadiansFromDegrees(c.slant));
  state.reflectanceKind = c.kind;
  state.showIsolines = c.colour;
  state.halfSphere = c.half;
  state.mirrorTolerance = 0.05F;
  state.pixelScale /= c.magnification;
  // Fields the pass sets: none may keep what it held unless the serial pass keeps it too.
  state.sumR = state.sumG = state.sumB = -7;
  state.dx = state.dy = 1234.0F;
  state.subSample = 9;
  state.px = state.py = -3.0F;
  return state;
}

// The pass as the serial walk runs it, each shader painting its own pixel.
void SerialSpherePass(RenderState& state, Picture& picture, bool smoothing) {
  picture.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
  const PassConstants pass = MakePassConstants(state);
  const float pixelScale = state.pixelScale;
  WalkRaster(
      state, picture, MeasureRasterFrame(picture), smoothing,
      [&](RenderState& s, Picture& p) {
        if (s.showIsolines == 1) {
          ShadeColourPixel(s, p, pass);
        } else {
          ShadeGreyPixel(s, p, pass);
        }
      },
      [&](float dx, float dy) {
        return MayMeetSphere(dx, dy, pixelScale, pass.lineDepth, pass.shortcuts);
      });
}

void SerialMapPass(RenderState& state, Picture& picture, bool smoothing) {
  picture.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
  const PassConstants pass = MakePassConstants(state);
  WalkRaster(state, picture, MeasureRasterFrame(picture), smoothing,
             [&](RenderState& s, Picture& p) { ShadeSerialMapPixel(s, p, pass); });
}

// Restores the default pool after a test that changes it.
struct PoolSettings {
  ~PoolSettings() {
    SetPassThreadCount(AvailableCpus());
    SetPassBlockColumns(kDefaultBlockColumns);
  }
};

constexpr PassCase kCases[] = {
    {30, 0, 0, 0, kMatte, 1, 1, false, 393, 337, 1.0F},
    {30, 0, 0, 0, kMatte, 1, 1, true, 393, 337, 1.0F},
    {45, 30, 60, -45, kGlossy, 0, 0, false, 120, 97, 1.0F},
    {-60, 20, -30, 200, kRocky, 1, 0, true, 97, 120, 1.0F},
    {89.99F, 0, 0, 30, kMirror, 1, 1, false, 150, 150, 1.0F},
    {0, 0, 90, 90, kMirror, 0, 1, true, 64, 40, 1.0F},
    // The sphere on the left: the last blocks meet only background.
    {30, 0, 0, 30, kMatte, 0, 0, false, 300, 100, 0.3F},
    {30, 0, 0, 0, kMatte, 1, 1, false, 5, 4, 0.001F},  // no sample meets the sphere
    {30, 0, 0, 0, kMatte, 1, 1, true, 1, 1, 1.0F},
    {30, 0, 0, 0, kGlossy, 1, 0, false, 0, 0, 1.0F},
    {30, 0, 0, 0, kGlossy, 1, 0, true, 33, 0, 1.0F},
    {30, 0, 0, 0, kMatte, 1, 1, true, 0, 17, 1.0F},  // a frame without columns
};

TEST(ColumnBlocks, PassesEqualTheSerialWalkForEveryThreadCountAndBlockSize) {
  const PoolSettings restore;
  for (const int threads : {1, 2, 8}) {
    SetPassThreadCount(threads);
    for (const int blockColumns : {0, 1, 5, 16, 1000}) {  // 0 counts as 1
      SetPassBlockColumns(blockColumns);
      for (const PassCase& c : kCases) {
        SCOPED_TRACE(Describe(c, threads, blockColumns));
        RenderState serial = CaseState(c);
        RenderState pooled = serial;
        RowlessPicture expected(c.width, c.height);
        ImageBuffer picture(c.width, c.height);
        SerialSpherePass(serial, expected, c.smoothing);
        RunRasterPass(pooled, picture, c.smoothing);
        EXPECT_TRUE(picture.Pixels() == expected.buffer.Pixels());
        EXPECT_EQ(pooled, serial);

        RenderState mapSerial = CaseState(c);
        RowlessPicture expectedMap(c.width, c.height);
        ImageBuffer map(c.width, c.height);
        SerialMapPass(mapSerial, expectedMap, c.smoothing);
        RunGradientMapPass(CaseState(c), map, c.smoothing);
        EXPECT_TRUE(map.Pixels() == expectedMap.buffer.Pixels());
      }
    }
  }
}

// A cancelled pass paints no column; every block still counts as done, for the progress bar.
TEST(ColumnBlocks, ACancelledPassPaintsNothingAndEndsItsProgress) {
  for (const bool cancelled : {false, true}) {
    PassControl control;
    if (cancelled) control.Cancel();
    const ScopedPassControl bound(control);
    RenderState state = CaseState(kCases[0]);
    ImageBuffer picture(kCases[0].width, kCases[0].height);
    RunRasterPass(state, picture, false);
    ImageBuffer background(kCases[0].width, kCases[0].height);
    background.Clear(Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
    EXPECT_EQ(picture.Pixels() == background.Pixels(), cancelled);
    EXPECT_EQ(control.Progress(), 1.0);
  }
}

TEST(ColumnBlocks, APictureWithoutRowsIsPaintedAsTheSerialWalkPaintsIt) {
  for (const PassCase& c : kCases) {
    SCOPED_TRACE(Describe(c, 0, PassBlockColumns()));
    RenderState serial = CaseState(c);
    RenderState blocks = serial;
    RowlessPicture expected(c.width, c.height);
    RowlessPicture picture(c.width, c.height);
    SerialSpherePass(serial, expected, c.smoothing);
    RunRasterPass(blocks, picture, c.smoothing);
    EXPECT_TRUE(picture.buffer.Pixels() == expected.buffer.Pixels());
    EXPECT_EQ(blocks, serial);
  }
}

}  // namespace
