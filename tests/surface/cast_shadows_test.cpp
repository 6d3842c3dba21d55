// Cast shadows: behind a wall the shadow is height / tan(elevation) long, for a source from each
// side; the sweep marks the same cells as marching every ray.

#include "surface/cast_shadows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "surface/surface_catalogue.h"

namespace {

// A wall of height h across the middle of a square grid, along the columns (tilt 0 or 180: the
// light from +y or -y) or along the rows.
HeightField Wall(int side, double h, bool alongColumns) {
  HeightField field{side, side, 1.0, 1.0,
                    std::vector<double>(static_cast<size_t>(side * side), 0.0)};
  for (int k = 0; k < side; ++k) {
    if (alongColumns) {
      field.At(k, side / 2) = h;
    } else {
      field.At(side / 2, k) = h;
    }
  }
  return field;
}

TEST(CastShadows, AWallCastsHeightOverTanElevation) {
  constexpr int kSide = 81;
  constexpr double kHeight = 12.0;
  // Tilt 0: the source towards +y (up the picture), the shadow below the wall; 90: towards -x.
  const struct {
    double tilt;
    bool alongColumns;
    int dColumn;  // from the wall into its shadow
    int dRow;
  } kSides[] = {{0, true, 0, 1}, {90, false, 1, 0}, {180, true, 0, -1}, {270, false, -1, 0}};
  for (const double slant : {30.0, 50.0, 70.0}) {
    for (const auto& side : kSides) {
      const HeightField wall = Wall(kSide, kHeight, side.alongColumns);
      const LightAim source{slant, side.tilt};
      const std::vector<uint8_t> shadow = CastShadows(wall, source);
      EXPECT_EQ(shadow, CastShadowsByMarching(wall, source)) << side.tilt;
      int length = 0;
      for (int k = 1; k < kSide / 2; ++k) {
        const int column = kSide / 2 + k * side.dColumn;
        const int row = kSide / 2 + k * side.dRow;
        if (shadow[wall.Index(column, row)] == 0) break;
        ++length;
      }
      const double elevation = (90.0 - slant) * std::numbers::pi / 180.0;
      EXPECT_NEAR(length, kHeight / std::tan(elevation), 1.0) << slant << " tilt " << side.tilt;
      // Nothing on the lit side.
      EXPECT_EQ(shadow[wall.Index(kSide / 2 - side.dColumn, kSide / 2 - side.dRow)], 0);
    }
  }
}

// On rough terrain, from an oblique azimuth, the sweep and the march differ at the edge of a
// shadow (within two cells), where the sweep's interpolated horizon and the march's rays part,
// and at a handful of cells besides (a thousandth at most): an interpolated maximum is not the
// maximum of interpolations.
TEST(CastShadows, TheSweepMarksWhatMarchingMarks) {
  const SurfaceKind& fractal = *FindSurfaceKind("fractal");
  const HeightField terrain = MakeSurface(fractal, 64, 48, {0.6, 25, 3});
  for (const LightAim& source : {LightAim{60, 33}, LightAim{75, 250}, LightAim{45, 135}}) {
    const std::vector<uint8_t> sweep = CastShadows(terrain, source);
    const std::vector<uint8_t> march = CastShadowsByMarching(terrain, source);
    // Whether cell (column, row) lies within two cells of a shadow's edge the march found.
    const auto onEdge = [&](int column, int row) {
      for (int dr = -2; dr <= 2; ++dr) {
        for (int dc = -2; dc <= 2; ++dc) {
          const int c = column + dc;
          const int r = row + dr;
          if (c < 0 || r < 0 || c >= 64 || r >= 48) continue;
          if (march[terrain.Index(c, r)] != march[terrain.Index(column, row)]) return true;
        }
      }
      return false;
    };
    int shadowed = 0;
    int inside = 0;  // cells where they differ off every edge
    for (int row = 0; row < 48; ++row) {
      for (int column = 0; column < 64; ++column) {
        const size_t k = terrain.Index(column, row);
        shadowed += march[k];
        inside += sweep[k] != march[k] && !onEdge(column, row) ? 1 : 0;
      }
    }
    EXPECT_GT(shadowed, 50) << source.tiltDegrees;
    EXPECT_LE(inside, 64 * 48 / 1000) << source.tiltDegrees;
  }
}

}  // namespace
