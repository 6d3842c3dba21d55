// The isophote through a pointed orientation: drawn where phi crosses the pointed value, every
// drawn pixel within one pixel's change of phi of it, and through the pointed pixel itself.

#include "shading/isophotes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "figure_state.h"
#include "model/image_buffer.h"
#include "shading/source_phi.h"

namespace {

constexpr Rgb kInk{255, 255, 255};
constexpr int kWidth = 320;
constexpr int kHeight = 240;

TEST(Isophotes, EveryDrawnPixelHasThePointedPhi) {
  const struct {
    const char* name;
    RenderState state;
    LightAim source;
    GradientView view;
    int x, y;  // the pointed pixel
  } kRows[] = {
      {"matte", FigureState(kMatte, 30.0), {30.0, 0.0}, {}, 180, 100},
      {"matte tilted", FigureState(kMatte, 30.0), {50.0, 120.0}, {}, 100, 150},
      {"matte shadow", FigureState(kMatte, 60.0), {60.0, 0.0}, {}, 150, 40},
      {"glossy", FigureState(kGlossy, 20.0), {20.0, 0.0}, {90.0, 10.0, 0.0}, 170, 130},
      {"glossy tilted", FigureState(kGlossy, 20.0), {45.0, -60.0}, {}, 200, 90},
      {"hapke", FigureState(kHapke, 40.0), {40.0, 45.0}, {30.0, -20.0, 15.0}, 90, 60},
      {"formula", FormulaState("ci^2", 10.0), {35.0, 200.0}, {}, 140, 160},
  };
  for (const auto& row : kRows) {
    const SourcePhiField field(row.state, row.source);
    const auto phiAt = [&](int x, int y) {
      return static_cast<double>(
          field.FunctionPhi(GradientAtPixel(row.view, kWidth, kHeight, x, y)));
    };
    const float pointed =
        field.FunctionPhi(GradientAtPixel(row.view, kWidth, kHeight, row.x, row.y));
    ImageBuffer picture(kWidth, kHeight);
    DrawIsophote(picture, row.view, row.state, row.source, pointed, kInk);
    int drawn = 0;
    int faults = 0;
    for (int y = 1; y + 1 < kHeight; ++y) {
      for (int x = 1; x + 1 < kWidth; ++x) {
        if (picture.At(x, y) != kInk) continue;
        ++drawn;
        const double here = phiAt(x, y);
        const double change =
            std::max({std::fabs(phiAt(x + 1, y) - here), std::fabs(phiAt(x - 1, y) - here),
                      std::fabs(phiAt(x, y + 1) - here), std::fabs(phiAt(x, y - 1) - here)});
        faults += std::fabs(here - pointed) <= change + 1e-6 ? 0 : 1;
      }
    }
    EXPECT_GT(drawn, 20) << row.name << ": " << drawn << " pixels";
    EXPECT_EQ(faults, 0) << row.name;
    bool nearPointed = false;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) nearPointed |= picture.At(row.x + dx, row.y + dy) == kInk;
    }
    EXPECT_TRUE(nearPointed) << row.name;
  }
}

// The curve is 1 pixel thin: no 2 x 2 block of pixels is all drawn, and the drawing changes
// nothing but the curve's pixels.
TEST(Isophotes, DrawsAThinCurve) {
  const RenderState state = FigureState(kGlossy, 30.0);
  for (float phi : {0.2F, 0.5F, 0.8F, 0.95F}) {
    ImageBuffer picture(kWidth, kHeight);
    DrawIsophote(picture, {}, state, {30.0, 45.0}, phi, kInk);
    int blocks = 0;
    int drawn = 0;
    for (int y = 0; y + 1 < kHeight; ++y) {
      for (int x = 0; x + 1 < kWidth; ++x) {
        drawn += picture.At(x, y) == kInk ? 1 : 0;
        blocks += picture.At(x, y) == kInk && picture.At(x + 1, y) == kInk &&
                          picture.At(x, y + 1) == kInk && picture.At(x + 1, y + 1) == kInk
                      ? 1
                      : 0;
      }
    }
    EXPECT_EQ(blocks, 0) << "phi " << phi;
    EXPECT_GT(drawn, 100) << "phi " << phi;
  }
}

}  // namespace
