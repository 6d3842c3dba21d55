// Absolute photometry against the closed forms: a white Lambert sphere has p = 2/3, q = 3/2 and
// A = 1; Lommel-Seeliger's q = 16/3 (1 - ln 2), its p = w/8; the disc integral follows the two
// spheres' phase laws at every g, not only where the lit part is the whole disc.

#include "curves/disc_photometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "curves/phase_curve.h"
#include "law_state.h"
#include "model/startup_values.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

TEST(DiscPhotometry, AlbedosOfTheClosedForms) {
  const double lommelQ = 16.0 / 3.0 * (1.0 - std::log(2.0));
  const struct {
    int32_t kind;
    double albedo;
    double p, q;
  } kRows[] = {{kMatte, 1.0, 2.0 / 3.0, 1.5},
               {kMatte, 0.3, 0.2, 1.5},
               {kLommelSeeliger, 1.0, 1.0 / 8.0, lommelQ},
               {kLommelSeeliger, 0.4, 0.05, lommelQ}};
  for (const auto& row : kRows) {
    const std::optional<DiscPhotometry> photometry =
        ComputeDiscPhotometry(LawState(row.kind), row.albedo);
    ASSERT_TRUE(photometry.has_value()) << row.kind;
    EXPECT_NEAR(photometry->geometricAlbedo, row.p, 1e-4) << row.kind << " " << row.albedo;
    EXPECT_NEAR(photometry->phaseIntegral, row.q, 1e-4) << row.kind << " " << row.albedo;
    EXPECT_NEAR(photometry->sphericalAlbedo, row.p * row.q, 1e-4) << row.kind << " " << row.albedo;
  }
}

TEST(DiscPhotometry, TheDiscIntegralFollowsThePhaseLawsAtEveryAngle) {
  const RenderState lambert = LawState(kMatte);
  const RenderState lommel = LawState(kLommelSeeliger);
  const double lambertZero = DiscIntegral(lambert, 0.0);
  const double lommelZero = DiscIntegral(lommel, 0.0);
  EXPECT_NEAR(lambertZero, 2.0 * std::numbers::pi / 3.0, 1e-6);
  for (const double degrees : {1.0, 30.0, 75.0, 120.0, 165.0, 179.0}) {
    const double g = degrees * kRad;
    EXPECT_NEAR(DiscIntegral(lambert, g) / lambertZero, LambertSpherePhase(g), 1e-5) << degrees;
    EXPECT_NEAR(DiscIntegral(lommel, g) / lommelZero, LommelSeeligerSpherePhase(g), 1e-5)
        << degrees;
  }
}

// Hapke's w is its own scale: I/F at i = e = g = 0 is (w/4) [(1 + B0) P(0) + H(1)^2 - 1] / 2.
TEST(DiscPhotometry, HapkeTakesItsScaleFromW) {
  RenderState hapke = LawState(kHapke);
  hapke.law.parameters = {0.6, 0.0, 0.06, 0.0};
  const double h1 = 3.0 / (1.0 + 2.0 * std::sqrt(0.4));
  EXPECT_NEAR(NormalAlbedo(hapke, 123.0), 0.6 / 4.0 * 0.5 * (1.0 + h1 * h1 - 1.0), 1e-12);
}

}  // namespace
