// The isophote through a pointed orientation: every pixel of it within one pixel's change of phi
// of the pointed value, the curve 1 pixel thin, each pixel once and through the pointed pixel;
// and the part every source lights is the region the sources' cos i > 0 agree on.

#include "gradient/isophotes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "figure_state.h"
#include "gradient/lit_by_all.h"
#include "gradient/source_phi.h"

namespace {

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
    const std::vector<PixelPoint> pixels = IsophotePixels(row.view, kWidth, kHeight, row.state,
                                                          row.source, static_cast<float>(pointed));
    std::set<std::pair<int, int>> curve;
    for (const PixelPoint& pixel : pixels) {
      curve.emplace(static_cast<int>(pixel.x), static_cast<int>(pixel.y));
    }
    EXPECT_EQ(curve.size(), pixels.size()) << row.name;  // whole pixels, each once
    const auto drawn = [&](int x, int y) { return curve.count({x, y}) != 0; };
    int faults = 0, blocks = 0;
    for (const auto& [x, y] : curve) {
      blocks += drawn(x + 1, y) && drawn(x, y + 1) && drawn(x + 1, y + 1) ? 1 : 0;
      if (x == 0 || y == 0 || x + 1 == kWidth || y + 1 == kHeight) continue;
      const double here = phiAt(x, y);
      const double change =
          std::max({std::fabs(phiAt(x + 1, y) - here), std::fabs(phiAt(x - 1, y) - here),
                    std::fabs(phiAt(x, y + 1) - here), std::fabs(phiAt(x, y - 1) - here)});
      faults += std::fabs(here - pointed) <= change + 1e-6 ? 0 : 1;
    }
    EXPECT_GT(curve.size(), 20U) << row.name;
    EXPECT_EQ(faults, 0) << row.name;
    EXPECT_EQ(blocks, 0) << row.name;  // no 2 x 2 block: 1 pixel thin
    bool nearPointed = false;
    for (int k = 0; k < 9; ++k) nearPointed |= drawn(row.x + k % 3 - 1, row.y + k / 3 - 1);
    EXPECT_TRUE(nearPointed) << row.name;
  }
}

// The region holds the pixel centres where every source has cos i > 0 as the pass stores it, and
// no other (centres within a thousandth of a pixel of a shadow line are not judged).
TEST(LitByAll, RegionIsWhatEverySourceLights) {
  const RenderState state = FigureState(kGlossy, 35.0);
  const struct {
    std::vector<LightAim> sources;
    bool some;  // whether any pixel is lit by all
  } kRows[] = {
      {{DescribedSource(state), {45.0, 120.0}, {40.0, -100.0}}, true},
      {{{0.0, 0.0}}, true},                    // on the view axis: everything
      {{{180.0, 0.0}}, false},                 // opposite: nothing
      {{{60.0, 0.0}, {60.0, 180.0}}, true},    // two shadow lines across the picture
      {{{80.0, 0.0}, {100.0, 180.0}}, false},  // each lights what the other leaves dark
  };
  for (const auto& row : kRows) {
    for (const GradientView view : {GradientView{}, GradientView{30.0, 40.0, -20.0}}) {
      const std::vector<PixelPoint> region = LitByAllRegion(view, kWidth, kHeight, row.sources);
      // Inside a convex polygon: on the same side of every edge as the polygon's turn.
      const auto inside = [&](double x, double y) {
        if (region.size() < 3) return false;
        bool positive = false, negative = false;
        for (size_t k = 0; k < region.size(); ++k) {
          const PixelPoint a = region[k];
          const PixelPoint b = region[(k + 1) % region.size()];
          const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
          positive |= cross > 0.0;
          negative |= cross < 0.0;
        }
        return !(positive && negative);
      };
      std::vector<SourcePhiField> fields;
      for (const LightAim& source : row.sources) fields.emplace_back(state, source);
      int lit = 0, faults = 0;
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          const Gradient g = GradientAtPixel(view, kWidth, kHeight, x, y);
          bool all = true, near = false;
          for (size_t k = 0; k < fields.size(); ++k) {
            all &= fields[k].Lit(g);
            const SourceDirection l = DirectionOf(row.sources[k]);
            near |= std::fabs(-g.p * l.x - g.q * l.y + l.z) * view.pixelsPerUnit /
                        std::hypot(l.x, l.y) <
                    1e-3;
          }
          lit += all ? 1 : 0;
          if (!near) faults += inside(x, y) == all ? 0 : 1;
        }
      }
      EXPECT_EQ(faults, 0) << row.sources.size() << " sources at " << view.pixelsPerUnit;
      EXPECT_EQ(lit > 0, row.some) << row.sources.size() << " sources at " << view.pixelsPerUnit;
    }
  }
}

}  // namespace
