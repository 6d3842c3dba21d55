// The marks of a map orientation on a surface's image: a cell is highlighted exactly when its
// (p, q) lies within half a map pixel of the pointed pixel's centre (faults aimed at: the pixel
// taken by truncation, a cell without data marked), and the isophote's pre-image on a
// hemisphere lies where N.S equals the pointed phi (a flipped y or swapped axes miss it).

#include "surface/surface_marks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/angles.h"
#include "model/startup_values.h"
#include "photometry/light_source.h"
#include "surface/surface_catalogue.h"
#include "surface/surface_gradients.h"

namespace {

constexpr int kMapWidth = 393;
constexpr int kMapHeight = 337;

TEST(CellsInMapPixel, MarksTheCellsWithinHalfAPixelOfThePointedPixel) {
  const GradientView view = ScaledGradientView(1);
  // A plane whose every cell has the orientation at the centre of map pixel (250, 100).
  const Gradient plane = GradientAtPixel(view, kMapWidth, kMapHeight, 250.0, 100.0);
  HeightField field{12, 9, 1.0, 1.0, {}};
  field.z.resize(12 * 9);
  for (int row = 0; row < field.height; ++row) {
    for (int column = 0; column < field.width; ++column) {
      field.At(column, row) = plane.p * column + plane.q * (field.height - 1 - row);
    }
  }
  field.At(5, 4) = std::numeric_limits<double>::quiet_NaN();
  const SurfaceGradients gradients = GradientsOf(field);
  const double pixel = 1.0 / view.pixelsPerUnit;
  const struct {
    double dp, dq;  // the pointed orientation's offset from the plane's, in map pixels
    bool marked;
  } kRows[] = {{0.0, 0.0, true},   {0.4, 0.0, true},  {-0.4, 0.0, true},  {0.0, 0.4, true},
               {0.0, -0.4, true},  {0.6, 0.0, false}, {-0.6, 0.0, false}, {0.0, 0.6, false},
               {0.0, -0.6, false}, {0.4, -0.4, true}, {1.0, 1.0, false}};
  for (const auto& r : kRows) {
    const Gradient pointed{plane.p + r.dp * pixel, plane.q + r.dq * pixel};
    const std::vector<uint8_t> cells =
        CellsInMapPixel(gradients, view, kMapWidth, kMapHeight, pointed);
    ASSERT_EQ(cells.size(), field.z.size());
    for (int row = 0; row < field.height; ++row) {
      for (int column = 0; column < field.width; ++column) {
        const bool expected = r.marked && field.HasData(column, row);
        ASSERT_EQ(cells[field.Index(column, row)] != 0, expected)
            << "offset " << r.dp << ", " << r.dq << " cell " << column << ", " << row;
      }
    }
  }
}

// On a hemisphere the normal at (x, y) is (x, y, z) / R: matte phi is (y sin s + z cos s) / R
// for a source of slant s.
TEST(IsophotePreImage, LiesWhereTheHemisphereHasThePointedPhi) {
  constexpr int kSide = 161;
  constexpr double kRimCells = 2.0;
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  const SurfaceGradients gradients = GradientsOf(MakeSurface(kind, kSide, kSide, {0.9}));
  const double radius = 0.9 * kSide / 2.0;
  const double centre = (kSide - 1) / 2.0;
  for (const double slant : {0.0, 30.0, -50.0}) {
    RenderState state;
    ApplyStartupValues(state);
    state.reflectanceKind = kMatte;
    AimLightSource(state, RadiansFromDegrees(slant));
    const LightAim source{slant, 0.0};
    const SampleGrid phi = SurfacePhiGrid(state, gradients, source);
    for (const Gradient pointed : {Gradient{0.3, -0.2}, Gradient{-0.6, 0.5}}) {
      const Point3 normal = GradientNormal(pointed);
      const double s = RadiansFromDegrees(slant);
      const double level = normal.y * std::sin(s) + normal.z * std::cos(s);
      const std::vector<ContourLine> lines = IsophotePreImage(state, phi, source, pointed);
      int inside = 0;
      for (const ContourLine& line : lines) {
        for (const PixelPoint& point : line) {
          const double x = point.x - centre;
          const double y = centre - point.y;
          // The rim's step to the plane around it has steep differences of its own.
          if (std::hypot(x, y) > radius - kRimCells) continue;
          ++inside;
          const double z = std::sqrt(radius * radius - x * x - y * y);
          const double cellPhi = (y * std::sin(s) + z * std::cos(s)) / radius;
          ASSERT_NEAR(cellPhi, level, 0.02)
              << "slant " << slant << " p " << pointed.p << " at " << point.x << ", " << point.y;
        }
      }
      EXPECT_GT(inside, 100) << "slant " << slant << " p " << pointed.p;
    }
  }
}

}  // namespace
