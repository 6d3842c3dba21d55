#include "pass/raster_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/image_buffer.h"

namespace {

constexpr Rgb kMarker{1, 2, 3};

// A picture that only reports its size and counts what is painted into it.
class SizeOnlyPicture final : public Picture {
 public:
  SizeOnlyPicture(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear(Rgb) override {}
  void SetPixel(int, int, Rgb) override { ++painted; }
  int painted = 0;

 private:
  int width_;
  int height_;
};

struct ShaderCall {
  float px, py, dx, dy;
  int32_t subSample;
  int32_t sumR, sumG, sumB;  // on entry
};

struct RecordingShader {
  std::vector<ShaderCall>* calls;
  void operator()(RenderState& s, Picture&) const {
    calls->push_back({s.px, s.py, s.dx, s.dy, s.subSample, s.sumR, s.sumG, s.sumB});
    // Scribble over the offsets and sums, as a shader may.
    s.dx = -1e9F;
    s.dy = -1e9F;
    s.sumR += 1000;
  }
};

struct WalkCase {
  int width, height;
  bool smoothing;
  float cx, cy;  // the centre dx and dy are measured from, before the quarter-pixel offsets
};

TEST(WalkRaster, VisitsEveryPositionColumnByColumnFromTheBottomUp) {
  const WalkCase cases[] = {
      {393, 337, false, 196.5F, 168.5F}, {393, 337, true, 196.5F, 168.5F},
      {0, 0, false, 0.0F, 0.0F},         {0, 0, true, 0.0F, 0.0F},
      {1, 3, true, 0.5F, 1.5F},          {4, 2, false, 2.0F, 1.0F},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) +
                 (c.smoothing ? " smoothed" : ""));
    SizeOnlyPicture picture(c.width, c.height);
    RenderState state;
    std::vector<ShaderCall> calls;
    WalkRaster(state, picture, MeasureRasterFrame(picture), c.smoothing, RecordingShader{&calls});

    const int columns = c.width + 1;
    const int rows = c.height + 1;
    const int samples = c.smoothing ? 4 : 1;
    ASSERT_EQ(calls.size(), static_cast<size_t>(columns) * rows * samples);
    for (size_t i = 0; i < calls.size(); ++i) {
      const ShaderCall& call = calls[i];
      const int position = static_cast<int>(i) / samples;
      const int k = c.smoothing ? static_cast<int>(i) % samples + 1 : 0;
      SCOPED_TRACE("call " + std::to_string(i));
      ASSERT_EQ(call.px, static_cast<float>(position / rows));
      ASSERT_EQ(call.py, static_cast<float>(position % rows));
      ASSERT_EQ(call.subSample, k);
      // Quarter-pixel samples: 1 at (+,+), 2 at (-,+), 3 at (+,-), 4 at (-,-).
      const float offsetX = k == 0 ? 0.0F : (k % 2 == 1 ? 0.25F : -0.25F);
      const float offsetY = k == 0 ? 0.0F : (k <= 2 ? 0.25F : -0.25F);
      ASSERT_EQ(call.dx, call.px - c.cx + offsetX);
      ASSERT_EQ(call.dy, call.py - c.cy + offsetY);
      if (k == 1) {
        ASSERT_EQ(call.sumR + call.sumG + call.sumB, 0);
      }
    }
  }
}

TEST(WalkRaster, WithoutSmoothingLeavesThePaintingToTheShader) {
  ImageBuffer picture(5, 4);
  picture.Clear(kMarker);
  RenderState state;
  std::vector<ShaderCall> calls;
  WalkRaster(state, picture, MeasureRasterFrame(picture), false, RecordingShader{&calls});
  for (const Rgb& pixel : picture.Pixels()) EXPECT_EQ(pixel, kMarker);
}

// Each sample adds the background except at one position, whose first sample is black: the walk
// paints that pixel alone, at row H - py.
struct OneDarkPixel {
  float darkPx, darkPy;
  void operator()(RenderState& s, Picture&) const {
    const bool dark = s.px == darkPx && s.py == darkPy && s.subSample == 1;
    if (!dark) {
      s.sumR += s.backgroundR;
      s.sumG += s.backgroundG;
      s.sumB += s.backgroundB;
    }
  }
};

TEST(WalkRaster, PaintsASmoothedPixelAtTheRowCountedFromTheBottom) {
  const struct {
    float px, py;
    int paintedX, paintedY;  // -1: painted nowhere
  } cases[] = {{2, 1, 2, 2}, {0, 3, 0, 0}, {4, 0, -1, -1}, {0, 0, -1, -1}, {5, 1, -1, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE("position " + std::to_string(c.px) + ", " + std::to_string(c.py));
    ImageBuffer picture(5, 3);
    picture.Clear(kMarker);
    RenderState state;
    state.backgroundR = state.backgroundG = state.backgroundB = 200;
    WalkRaster(state, picture, MeasureRasterFrame(picture), true, OneDarkPixel{c.px, c.py});
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        const bool dark = x == c.paintedX && y == c.paintedY;
        EXPECT_EQ(picture.At(x, y), dark ? (Rgb{150, 150, 150}) : kMarker) << x << ", " << y;
      }
    }
  }
}

struct SmoothedCase {
  Rgb background;
  Rgb sums;
  bool painted;
  Rgb colour;
};

TEST(PaintSmoothedPixel, PaintsTheTruncatedAverageUnlessItIsAllBackground) {
  const SmoothedCase cases[] = {
      {{255, 255, 255}, {1020, 1020, 1020}, false, {}},
      {{255, 255, 255}, {1019, 1020, 1020}, true, {254, 255, 255}},
      {{255, 255, 255}, {1020, 1020, 1019}, true, {255, 255, 254}},
      {{255, 255, 255}, {7, 0, 0}, true, {1, 0, 0}},
      {{255, 255, 255}, {3, 3, 3}, true, {0, 0, 0}},
      {{255, 255, 255}, {1100, 0, 400}, true, {255, 0, 100}},
      {{255, 255, 255}, {-8, 0, 0}, true, {0, 0, 0}},
      {{10, 20, 30}, {40, 80, 120}, false, {}},
      {{10, 20, 30}, {1020, 1020, 1020}, true, {255, 255, 255}},
  };
  for (const SmoothedCase& c : cases) {
    SCOPED_TRACE("sums " + std::to_string(c.sums.r) + ", " + std::to_string(c.sums.g) + ", " +
                 std::to_string(c.sums.b));
    RenderState state;
    state.backgroundR = c.background.r;
    state.backgroundG = c.background.g;
    state.backgroundB = c.background.b;
    state.sumR = c.sums.r;
    state.sumG = c.sums.g;
    state.sumB = c.sums.b;
    ImageBuffer picture(2, 2);
    picture.Clear(kMarker);
    PaintSmoothedPixel(state, picture, 1.0F, 0.0F);
    EXPECT_EQ(picture.At(1, 0), c.painted ? c.colour : kMarker);
    EXPECT_EQ(picture.At(0, 0), kMarker);
  }
}

TEST(MeasureRasterFrame, KeepsEveryLimitWhereAFloatCounterStillSteps) {
  SizeOnlyPicture picture(40000000, 0);
  const RasterFrame frame = MeasureRasterFrame(picture);
  EXPECT_NE(frame.columnLimit + 1.0F, frame.columnLimit);
  EXPECT_EQ(frame.width, 40000000.0F);
}

}  // namespace
