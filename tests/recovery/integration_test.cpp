// Normal integration: exact slopes of an off-centre, elongated Gaussian hill on a grid of unequal
// spacings come back as the hill (the DCT solution and the mask solve, the mask also cut to a
// disc); a plane's slopes come back as the plane; Frankot and Chellappa's error is shown.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "recovery/normal_integration.h"
#include "recovery/recovery_report.h"

namespace {

struct Surface {
  std::function<double(double, double)> z;
  std::function<double(double, double)> p;
  std::function<double(double, double)> q;
};

// x from the left column, y up from the bottom row.
Surface GaussianHill(double x0, double y0, double sx, double sy) {
  const auto z = [=](double x, double y) {
    const double u = (x - x0) / sx;
    const double v = (y - y0) / sy;
    return 50.0 * std::exp(-0.5 * (u * u + v * v));
  };
  return {z, [=](double x, double y) { return -z(x, y) * (x - x0) / (sx * sx); },
          [=](double x, double y) { return -z(x, y) * (y - y0) / (sy * sy); }};
}

Surface Plane(double a, double b) {
  return {[=](double x, double y) { return a * x + b * y; }, [=](double, double) { return a; },
          [=](double, double) { return b; }};
}

// The surface and its exact slopes on a width x height grid, cells with inside(x, y) false
// without data.
void Sample(const Surface& surface, int width, int height, double dx, double dy,
            const std::function<bool(double, double)>& inside, HeightField& truth,
            RecoveredNormals& slopes) {
  truth = HeightField{width, height, dx, dy, {}};
  slopes = RecoveredNormals{width, height, dx, dy, {}, {}, {}};
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const double x = column * dx;
      const double y = (height - 1 - row) * dy;
      const bool in = inside(x, y);
      truth.z.push_back(in ? surface.z(x, y) : NAN);
      slopes.p.push_back(in ? surface.p(x, y) : NAN);
      slopes.q.push_back(in ? surface.q(x, y) : NAN);
    }
  }
}

const auto kEverywhere = [](double, double) { return true; };

using Integrator = HeightField (*)(const RecoveredNormals&);

TEST(NormalIntegration, GaussianHillComesBack) {
  struct Case {
    const char* name;
    Integrator integrate;
    std::function<bool(double, double)> inside;
  };
  // Width 256 at dx 0.5 spans x to 127.5; height 256 at dy 2 spans y to 510.
  const Surface hill = GaussianHill(70.0, 300.0, 12.0, 60.0);
  const auto disc = [](double x, double y) {
    return std::hypot((x - 64.0) / 60.0, (y - 255.0) / 240.0) < 1.0;
  };
  const Case cases[] = {{"dct", IntegrateDctPoisson, kEverywhere},
                        {"mask", IntegrateOnMask, kEverywhere},
                        {"mask-disc", IntegrateOnMask, disc}};
  for (const Case& c : cases) {
    HeightField truth;
    RecoveredNormals slopes;
    Sample(hill, 256, 256, 0.5, 2.0, c.inside, truth, slopes);
    const HeightField heights = c.integrate(slopes);
    const RecoveryReport report = MeasureRecovery(truth, &heights, &slopes);
    EXPECT_LT(report.depthRmsPercent, 0.5) << c.name;
    for (size_t cell = 0; cell < truth.z.size(); ++cell) {
      ASSERT_EQ(std::isnan(heights.z[cell]), std::isnan(truth.z[cell])) << c.name << " " << cell;
    }
  }
  HeightField truth;
  RecoveredNormals slopes;
  Sample(hill, 256, 256, 0.5, 2.0, kEverywhere, truth, slopes);
  const HeightField fourier = IntegrateFrankotChellappa(slopes);
  std::cout << "Frankot-Chellappa, Gaussian hill: depth rms "
            << MeasureRecovery(truth, &fourier, nullptr).depthRmsPercent << "% of the range\n";
}

// The mask solve is also given the plane in two pieces with a gap between them: each piece
// comes back as the plane less the piece's own mean.
TEST(NormalIntegration, PlaneComesBackAsThePlane) {
  struct Case {
    const char* name;
    Integrator integrate;
    std::function<bool(double, double)> inside;
  };
  const auto twoPieces = [](double x, double) { return x < 20.0 || x > 30.0; };
  const Case cases[] = {{"dct", IntegrateDctPoisson, kEverywhere},
                        {"mask", IntegrateOnMask, kEverywhere},
                        {"mask-two-pieces", IntegrateOnMask, twoPieces}};
  for (const Case& c : cases) {
    HeightField truth;
    RecoveredNormals slopes;
    Sample(Plane(0.3, -0.7), 40, 30, 1.5, 0.5, c.inside, truth, slopes);
    const HeightField heights = c.integrate(slopes);
    for (const bool left : {true, false}) {
      HeightField piece = heights;
      HeightField truePiece = truth;
      for (size_t cell = 0; cell < piece.z.size(); ++cell) {
        const bool inLeft = static_cast<int>(cell % 40) * 1.5 < 25.0;
        if (inLeft != left) piece.z[cell] = truePiece.z[cell] = NAN;
      }
      const RecoveryReport report = MeasureRecovery(truePiece, &piece, nullptr);
      EXPECT_LT(report.depthRms, 1e-9) << c.name << (left ? " left" : " right");
      // Pieces apart have no common height: each is placed at mean 0.
      if (c.inside(0.0, 0.0) && c.inside(39 * 1.5, 0.0) && !c.inside(25.0, 0.0)) {
        double sum = 0.0;
        int count = 0;
        for (const double z : piece.z) {
          if (!std::isnan(z)) sum += z, ++count;
        }
        EXPECT_NEAR(sum / count, 0.0, 1e-9) << c.name << (left ? " left" : " right");
      }
    }
  }
}

}  // namespace
