// The isophote through a pointed orientation: every drawn pixel within one pixel's change of phi
// of the pointed value, the curve 1 pixel thin and through the pointed pixel; and the lit-by-all
// hatch covers exactly what every source lights.

#include "gradient/isophotes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "figure_state.h"
#include "gradient/lit_by_all.h"
#include "gradient/source_phi.h"
#include "model/image_buffer.h"

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
      return double{field.FunctionPhi(GradientAtPixel(row.view, kWidth, kHeight, x, y))};
    };
    const double pointed = static_cast<float>(phiAt(row.x, row.y));
    ImageBuffer picture(kWidth, kHeight);
    DrawIsophote(picture, row.view, row.state, row.source, static_cast<float>(pointed), kInk);
    const auto drawn = [&](int x, int y) { return picture.At(x, y) == kInk; };
    int count = 0, faults = 0, blocks = 0;
    for (int y = 1; y + 1 < kHeight; ++y) {
      for (int x = 1; x + 1 < kWidth; ++x) {
        if (!drawn(x, y)) continue;
        ++count;
        blocks += drawn(x + 1, y) && drawn(x, y + 1) && drawn(x + 1, y + 1) ? 1 : 0;
        const double here = phiAt(x, y);
        const double change =
            std::max({std::fabs(phiAt(x + 1, y) - here), std::fabs(phiAt(x - 1, y) - here),
                      std::fabs(phiAt(x, y + 1) - here), std::fabs(phiAt(x, y - 1) - here)});
        faults += std::fabs(here - pointed) <= change + 1e-6 ? 0 : 1;
      }
    }
    EXPECT_GT(count, 20) << row.name;
    EXPECT_EQ(faults, 0) << row.name;
    EXPECT_EQ(blocks, 0) << row.name;  // no 2 x 2 block: 1 pixel thin
    bool nearPointed = false;
    for (int k = 0; k < 9; ++k) nearPointed |= drawn(row.x + k % 3 - 1, row.y + k / 3 - 1);
    EXPECT_TRUE(nearPointed) << row.name;
  }
}

// The hatch's pixels are those where every source has cos i > 0, cos i formed in 64-bit from the
// turned directions (orientations within 1e-6 of a shadow line are not judged).
TEST(LitByAll, HatchCoversExactlyWhatEverySourceLights) {
  constexpr Rgb kHatch{200, 200, 200};
  const RenderState state = FigureState(kGlossy, 35.0);
  const std::vector<LightAim> sources{DescribedSource(state), {45.0, 120.0}, {40.0, -100.0}};
  for (const GradientView view : {GradientView{}, GradientView{30.0, 40.0, -20.0}}) {
    ImageBuffer picture(kWidth, kHeight);
    ShadeLitByAll(picture, view, state, sources, kHatch);
    int hatched = 0, faults = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const Gradient g = GradientAtPixel(view, kWidth, kHeight, x, y);
        double least = 1.0;
        for (const LightAim& source : sources) {
          const SourceDirection l = DirectionOf(source);
          least = std::min(least, (-g.p * l.x - g.q * l.y + l.z) / std::hypot(1.0, g.p, g.q));
        }
        const bool painted = picture.At(x, y) == kHatch;
        hatched += painted ? 1 : 0;
        if (std::fabs(least) < 1e-6) continue;
        faults += painted == ((x + y) % kLitHatchSpacing == 0 && least > 0.0) ? 0 : 1;
      }
    }
    EXPECT_EQ(faults, 0) << view.pixelsPerUnit;
    EXPECT_GT(hatched, 100) << view.pixelsPerUnit;
  }
}

}  // namespace
