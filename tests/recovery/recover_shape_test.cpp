// One recovery from start to end: Horn's method under a source on the view axis is given a start
// that lets it leave the flat plane (a flat start is a fixed point there); a stereo run cancelled
// before it begins says so rather than handing back an integrated height of nothing; fast
// marching refuses a source off the view axis.

#include "recovery/recover_shape.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/startup_values.h"
#include "pass/pass_control.h"
#include "recovery/recovery_report.h"
#include "surface/surface_catalogue.h"

namespace {

constexpr int kSide = 64;

RenderState Matte() {
  RenderState state;
  ApplyStartupValues(state);
  return state;
}

SurfaceScene Vase() {
  const SurfaceKind& kind = *FindSurfaceKind("vase");
  return MakeScene(MakeSurface(kind, kSide, kSide, StartValues(kind)));
}

TEST(RecoverShape, HornUnderAnOverheadSourceLeavesTheFlatPlane) {
  const SurfaceScene scene = Vase();
  HeightField flat = scene.field;
  std::fill(flat.z.begin(), flat.z.end(), 0.0);
  const RecoveryReport plane = MeasureRecovery(scene.field, &flat, nullptr);
  const RecoveryImages images = MakeRecoveryImages(Matte(), scene, {{0.0, 0.0}});
  auto shape = RecoverShape(images, Matte(), RecoveryMethod::kHorn, Integrator::kDctPoisson);
  ASSERT_TRUE(std::holds_alternative<RecoveredShape>(shape));
  const RecoveredShape& horn = std::get<RecoveredShape>(shape);
  const RecoveryReport report = MeasureRecovery(scene.field, &horn.heights, &horn.normals);
  EXPECT_LT(report.meanDepthError, 0.5 * plane.meanDepthError);
  EXPECT_LT(report.meanGradientError, plane.meanGradientError);
}

// Fast marching solves the eikonal equation of a source on the view axis only: another source
// is refused with the reason, not answered with heights of the wrong equation.
TEST(RecoverShape, FastMarchingRefusesAnObliqueSource) {
  const SurfaceScene scene = Vase();
  for (const double slant : {0.0, 30.0}) {
    const RecoveryImages images = MakeRecoveryImages(Matte(), scene, {{slant, 90.0}});
    auto shape =
        RecoverShape(images, Matte(), RecoveryMethod::kFastMarching, Integrator::kDctPoisson);
    ASSERT_EQ(std::holds_alternative<LightsError>(shape), slant != 0.0) << slant;
    if (slant != 0.0) {
      EXPECT_EQ(std::get<LightsError>(shape).fault, LightsFault::kOblique);
    }
  }
}

TEST(RecoverShape, ACancelledRunSaysSo) {
  const SurfaceScene scene = Vase();
  const RecoveryImages images =
      MakeRecoveryImages(Matte(), scene, {{30.0, 0.0}, {30.0, 120.0}, {30.0, 240.0}});
  PassControl control;
  control.Cancel();
  ScopedPassControl bound(control);
  for (const RecoveryMethod method : {RecoveryMethod::kLawStereo, RecoveryMethod::kHorn}) {
    auto shape = RecoverShape(images, Matte(), method, Integrator::kDctPoisson);
    ASSERT_TRUE(std::holds_alternative<RecoveredShape>(shape));
    EXPECT_TRUE(std::get<RecoveredShape>(shape).cancelled);
  }
}

}  // namespace
