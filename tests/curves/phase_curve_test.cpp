// The phase curve: Lambert's and Lommel-Seeliger's spheres follow their closed forms and phase
// integrals; Minnaert's agrees with an integration over the sphere's own angles.

#include "curves/phase_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "law_state.h"
#include "model/startup_values.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

TEST(PhaseCurve, LambertAndLommelSeeligerFollowTheirClosedForms) {
  const struct {
    int32_t kind;
    double (*closedForm)(double);
    double integral;
  } kRows[] = {{kMatte, LambertSpherePhase, 1.5},
               {kLommelSeeliger, LommelSeeligerSpherePhase, 16.0 / 3.0 * (1.0 - std::log(2.0))}};
  for (const auto& row : kRows) {
    const std::optional<PhaseCurve> curve = ComputePhaseCurve(LawState(row.kind), 2.0);
    ASSERT_TRUE(curve.has_value());
    ASSERT_EQ(curve->degrees.size(), 91U);
    for (size_t k = 0; k < curve->degrees.size(); ++k) {
      if (curve->degrees[k] > 170.0) break;
      EXPECT_NEAR(curve->brightness[k], row.closedForm(curve->degrees[k] * kRad), 0.002)
          << row.kind << " at " << curve->degrees[k];
    }
    EXPECT_NEAR(curve->phaseIntegral, row.integral, 0.005 * row.integral) << row.kind;
  }
}

// Minnaert's law summed over the sphere's own angles (latitude and longitude about the view
// axis), its brightness mu times the solid angle: another way to the same ratio.
double MinnaertBySolidAngle(double g, double k) {
  constexpr int kSteps = 800;
  double sum = 0.0;
  for (int a = 0; a < kSteps; ++a) {
    const double theta = (a + 0.5) * (std::numbers::pi / 2.0) / kSteps;  // from the view axis
    for (int b = 0; b < 2 * kSteps; ++b) {
      const double azimuth = (b + 0.5) * std::numbers::pi / kSteps;
      const double mu = std::cos(theta);
      const double mu0 = std::sin(theta) * std::sin(azimuth) * std::sin(g) + mu * std::cos(g);
      if (mu0 <= 0.0) continue;
      sum += MinnaertPhi(mu0, mu, k) * mu * std::sin(theta);
    }
  }
  return sum;
}

TEST(PhaseCurve, MinnaertAgreesWithAnIntegralOverTheSphere) {
  RenderState state = LawState(kMinnaert);
  state.law.parameters[kMinnaertK] = 0.6;
  const std::optional<PhaseCurve> curve = ComputePhaseCurve(state, 30.0);
  ASSERT_TRUE(curve.has_value());
  const double atZero = MinnaertBySolidAngle(0.0, 0.6);
  for (size_t k = 1; k + 1 < curve->degrees.size(); ++k) {
    const double g = curve->degrees[k] * kRad;
    EXPECT_NEAR(curve->brightness[k], MinnaertBySolidAngle(g, 0.6) / atZero, 0.003)
        << curve->degrees[k];
  }
}

TEST(PhaseCurve, TheMirrorHasNone) {
  EXPECT_FALSE(ComputePhaseCurve(LawState(kMirror), 5.0).has_value());
  EXPECT_FALSE(ComputePhaseCurve(LawState(kMatte), 0.0).has_value());
}

}  // namespace
