// The magnitude systems: H, G against Bowell et al.'s formula worked by hand at several g; the
// H, G1, G2 basis functions against the clamped cubic splines through Muinonen et al.'s nodes,
// computed apart from the code (the spline's slopes solved from its values and end slopes alone),
// between nodes and on the linear pieces.

#include "curves/magnitude_systems.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

TEST(MagnitudeSystems, HgFollowsThePublishedFormula) {
  const struct {
    double slopeG, degrees, phase, magnitude;  // magnitude for H = 10
  } kRows[] = {{0.15, 5.0, 0.6788889651379121, 10.420503126048082},
               {0.15, 20.0, 0.39824440771594116, 10.99962578498883},
               {0.15, 60.0, 0.13821046344443644, 12.148647691895098},
               {0.15, 120.0, 0.011556904584505093, 14.842896180767308},
               {0.4, 20.0, 0.5159509677479212, 10.718478921553658},
               {0.4, 120.0, 0.015764253616943828, 14.505816466939137}};
  for (const auto& row : kRows) {
    const double phase = HgPhase(row.degrees * kRad, row.slopeG);
    EXPECT_NEAR(phase, row.phase, 1e-12) << row.slopeG << " at " << row.degrees;
    EXPECT_NEAR(ReducedMagnitude(10.0, phase), row.magnitude, 1e-10) << row.degrees;
  }
  EXPECT_DOUBLE_EQ(HgPhase(0.0, 0.3), 1.0);
}

TEST(MagnitudeSystems, TheBasisFunctionsAreThePublishedSplines) {
  const struct {
    double degrees, f1, f2, f3;
  } kRows[] = {{0.15, 0.995, 0.9985, 0.9437888857938478},
               {3.0, 0.9, 0.97, 0.309654990574391},
               {15.0, 0.5473937011254245, 0.8371975691052042, 0.040291531935323525},
               {45.0, 0.21415492038510514, 0.45288296376083614, 0.0},
               {100.0, 0.03688334645251863, 0.08255415562576121, 0.0},
               {140.0, 0.01451518497692874, 0.0015893543381399577, 0.0},
               {60.0, 1.3410560e-1, 3.1755495e-1, 0.0}};
  for (const auto& row : kRows) {
    const double g = row.degrees * kRad;
    EXPECT_NEAR(MagnitudeBasis(1, g), row.f1, 1e-7) << row.degrees;
    EXPECT_NEAR(MagnitudeBasis(2, g), row.f2, 1e-7) << row.degrees;
    EXPECT_NEAR(MagnitudeBasis(3, g), row.f3, 1e-7) << row.degrees;
  }
  EXPECT_DOUBLE_EQ(Hg1g2Phase(0.0, 0.3, 0.5), 1.0);
}

}  // namespace
