// The figure's sources: the described one is the pass's, the source's point S lies where the
// convention N = (-p, -q, 1) puts it (and is where a matte map is brightest), the shadow line is
// where cos i = 0, and their marks are drawn there.

#include "shading/light_sources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "figure_state.h"
#include "model/image_buffer.h"
#include "shading/figure_marks.h"
#include "shading/source_phi.h"

namespace {

constexpr Rgb kBlank{0, 0, 0};
constexpr Rgb kInk{255, 255, 255};

TEST(LightSources, DescribedSourceGivesThePassSlantBack) {
  for (double slant : {0.0, 30.0, -50.0, 1e-3, 89.9, 90.0, 135.0, -720.5, 12345.678}) {
    const RenderState state = FigureState(kMatte, slant);
    const LightAim described = DescribedSource(state);
    EXPECT_EQ(SlantRadians(described), state.sourceSlant) << "slant " << slant;
    EXPECT_EQ(described.tiltDegrees, 0.0);
    const SourceDirection d = DirectionOf(described);
    EXPECT_EQ(d.x, 0.0);
    EXPECT_EQ(d.y, static_cast<double>(state.sourceY)) << "slant " << slant;
    EXPECT_EQ(d.z, static_cast<double>(state.sourceZ)) << "slant " << slant;
  }
}

// S = (ps, qs) = (-sx, -sy) / sz: below the origin for a positive slant at tilt 0, and turned
// anticlockwise (seen from +z, p right, q up) by a positive tilt. Drawn in a 400 x 300 map at 50
// pixels a unit, its ring's centre pixel lies 50 tan(slant) pixels from (200, 150).
TEST(LightSources, SourcePointAndMarkFollowTheConvention) {
  const struct {
    double slant, tilt;
    double ps, qs;
    int x, y;
  } kRows[] = {
      {45.0, 0.0, 0.0, -1.0, 200, 200},     {45.0, 90.0, 1.0, 0.0, 250, 150},
      {45.0, 180.0, 0.0, 1.0, 200, 100},    {45.0, -90.0, -1.0, 0.0, 150, 150},
      {30.0, 0.0, 0.0, -0.57735, 200, 179}, {-30.0, 90.0, -0.57735, 0.0, 171, 150},
      {0.0, 60.0, 0.0, 0.0, 200, 150},
  };
  for (const auto& row : kRows) {
    const std::string where =
        "slant " + std::to_string(row.slant) + " tilt " + std::to_string(row.tilt);
    const LightAim source{row.slant, row.tilt};
    const std::optional<Gradient> point = SourcePoint(source);
    ASSERT_TRUE(point) << where;
    EXPECT_NEAR(point->p, row.ps, 1e-5) << where;
    EXPECT_NEAR(point->q, row.qs, 1e-5) << where;
    ImageBuffer picture(400, 300);
    DrawSourceMark(picture, GradientView{}, source, kInk, true);
    EXPECT_EQ(picture.At(row.x, row.y), kInk) << where;
    EXPECT_EQ(picture.At(row.x + 2, row.y), kBlank) << where;  // inside the ring
    EXPECT_EQ(picture.At(row.x + 5, row.y), kInk) << where;    // the ring, radius 5
    // The matte map is brightest at S: the normal points at the source there.
    const RenderState state = FigureState(kMatte, 0.0);
    const float atS = SourcePhi(state, source, *point);
    EXPECT_NEAR(atS, 1.0, 1e-6) << where;
    for (const Gradient off : {Gradient{0.05, 0.0}, Gradient{0.0, 0.05}, Gradient{-0.05, 0.0}}) {
      EXPECT_LT(SourcePhi(state, source, {point->p + off.p, point->q + off.q}), atS) << where;
    }
  }
  EXPECT_FALSE(SourcePoint({90.0, 0.0}));
  EXPECT_FALSE(SourcePoint({120.0, 30.0}));
  EXPECT_FALSE(ShadowLine({0.0, 45.0}));
}

// Every pixel of a solid shadow line lies within a pixel of where the matte phi (cos i) changes
// sign; a dashed one paints 60 % of them.
TEST(LightSources, ShadowLineRunsWhereCosIIsZero) {
  const RenderState state = FigureState(kMatte, 0.0);
  const GradientView views[] = {{}, {80.0, 30.0, -20.0}, {20.0, -100.0, 50.0}};
  for (const GradientView& view : views) {
    for (const LightAim source : {LightAim{60.0, 0.0}, LightAim{40.0, 30.0}, LightAim{70.0, -120.0},
                                  LightAim{-80.0, 75.0}}) {
      const std::string where = "slant " + std::to_string(source.slantDegrees) + " tilt " +
                                std::to_string(source.tiltDegrees) + " at " +
                                std::to_string(view.pixelsPerUnit) + " px/unit";
      ImageBuffer solid(300, 240);
      DrawShadowLine(solid, view, source, kInk, false);
      ImageBuffer dashed(300, 240);
      DrawShadowLine(dashed, view, source, kInk, true);
      const auto phiAt = [&](int x, int y) {
        return SourcePhi(state, source, GradientAtPixel(view, 300, 240, x, y));
      };
      int drawn = 0;
      int dashes = 0;
      int faults = 0;
      for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 300; ++x) {
          dashes += dashed.At(x, y) == kInk ? 1 : 0;
          if (solid.At(x, y) != kInk) continue;
          ++drawn;
          const float here = phiAt(x, y);
          bool signChange = here == 0.0F;
          for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
              signChange = signChange || (phiAt(x + dx, y + dy) < 0.0F) != (here < 0.0F);
            }
          }
          faults += signChange ? 0 : 1;
        }
      }
      EXPECT_GT(drawn, 100) << where;
      EXPECT_EQ(faults, 0) << where;
      EXPECT_NEAR(static_cast<double>(dashes) / drawn, 0.6, 0.05) << where;
    }
  }
}

}  // namespace
