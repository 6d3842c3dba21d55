// The sample-level speed shortcuts against the formulas they skip: whatever a test claims, the
// full intersection confirms. (Whole passes with and without each shortcut are compared in the
// shading tests.)

#include "photometry/speed_shortcuts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>

#include "photometry/pass_constants.h"
#include "photometry/sphere_geometry.h"
#include "test_state.h"

namespace {

// A sample the sure-miss test claims must miss in the full intersection too, under views turned
// in many directions, including views nearly perpendicular to y where the test stands aside on
// the y parametrisation and holds again off it.
TEST(IsSureMiss, ClaimsOnlySamplesThatMiss) {
  constexpr float kStep = 2.25F;  // passes through all four quarter-pixel fractions
  int shortcutsTaken = 0;
  int alongLineViews = 0;
  for (double degX : {-150.0, -80.0, -30.0, 0.0, 30.0, 75.0, 85.0, 89.85, 90.01, 120.0}) {
    for (double degZ : {0.0, 40.0, 89.6, -100.0, 270.0}) {
      RenderState state = StartupLikeState();
      state.rotX = DegreesToRadians(degX);
      state.rotY = DegreesToRadians(degX / 3.0);
      state.rotZ = DegreesToRadians(degZ);
      const PassConstants pass = MakePassConstants(state);
      alongLineViews += pass.form.byDepth ? 0 : 1;
      for (float dx = -196.5F; dx <= 196.5F; dx += kStep) {
        for (float dy = -168.5F; dy <= 168.5F; dy += kStep) {
          if (std::hypot(dx, dy) < 80.0F) continue;  // keep the ring just inside the outline
          const LineOfSight unrotated = MakeLineOfSight(dx, dy, state.pixelScale, pass.lineDepth);
          if (!IsSureMiss(unrotated, pass.shortcuts)) continue;
          ++shortcutsTaken;
          EXPECT_FALSE(IntersectUnitSphere(RotateLineOfSight(unrotated, pass),
                                           IntersectionRule::kPlain, pass.form))
              << DescribeRotations(degX, degX / 3.0, degZ) << " at dx " << dx << " dy " << dy;
        }
      }
    }
  }
  EXPECT_GT(shortcutsTaken, 0);
  EXPECT_GT(alongLineViews, 0);
}

// The half-sphere shortcut claims samples whose exact intersections lie below z = -0.01. Over
// many views the intersections the full arithmetic forms for every claimed sample must both lie
// below z = 0, with most of that margin left: the roundings stay far smaller than it.
TEST(IsSureBelowEquator, ClaimsOnlySamplesWhoseIntersectionsAreBothBelow) {
  constexpr float kStep = 1.75F;
  constexpr double kRoundingAllowance = 1e-4;
  int claimed = 0;
  for (int view = 0; view < 120; ++view) {
    // A spread of views from a fixed recurrence, so that a failure names a reproducible view.
    const double degX = -180.0 + std::fmod(view * 37.3, 360.0);
    const double degY = -180.0 + std::fmod(view * 53.9, 360.0);
    const double degZ = -180.0 + std::fmod(view * 71.1, 360.0);
    RenderState state = StartupLikeState();
    state.rotX = DegreesToRadians(degX);
    state.rotY = DegreesToRadians(degY);
    state.rotZ = DegreesToRadians(degZ);
    const PassConstants pass = MakePassConstants(state);
    double highestClaimedZ = -1.0;
    for (float dx = -100.0F; dx <= 100.0F; dx += kStep) {
      for (float dy = -100.0F; dy <= 100.0F; dy += kStep) {
        const LineOfSight unrotated = MakeLineOfSight(dx, dy, state.pixelScale, pass.lineDepth);
        if (!IsSureBelowEquator(unrotated, pass.shortcuts)) continue;
        ++claimed;
        const std::optional<SphereHits> hits = IntersectUnitSphere(
            RotateLineOfSight(unrotated, pass), IntersectionRule::kPlain, pass.form);
        ASSERT_TRUE(hits.has_value()) << DescribeRotations(degX, degY, degZ) << " dx " << dx;
        highestClaimedZ = std::max({highestClaimedZ, static_cast<double>(hits->hitPlus.z),
                                    static_cast<double>(hits->hitMinus.z)});
      }
    }
    EXPECT_LT(highestClaimedZ, -0.01 + kRoundingAllowance) << DescribeRotations(degX, degY, degZ);
  }
  EXPECT_GT(claimed, 10000);
}

}  // namespace
