// Shape from shading: on the vase and the hemisphere each method ends nearer the truth than the
// flat plane on the three measures of the 1999 survey, under an oblique source from a flat start
// and under a source on the view axis (Horn's from a low dome); a cancelled run stops before its
// first iteration, and a finished one fills its progress.

#include "recovery/shape_from_shading.h"

#include <gtest/gtest.h>

#include "model/startup_values.h"
#include "pass/pass_control.h"
#include "recovery/recovery_report.h"
#include "surface/surface_catalogue.h"

namespace {

using Method = SfsResult (*)(const RecoveryImages&, const RenderState&, const SfsOptions&);

constexpr int kSide = 64;

RenderState Matte() {
  RenderState state;
  ApplyStartupValues(state);
  return state;
}

SurfaceScene Scene(const char* name) {
  const SurfaceKind& kind = *FindSurfaceKind(name);
  return MakeScene(MakeSurface(kind, kSide, kSide, StartValues(kind)));
}

TEST(ShapeFromShading, EachMethodBeatsTheFlatPlane) {
  struct Case {
    const char* method;
    Method solve;
    LightAim source;
    double domeRise;  // of the start, in grid widths; 0: flat
  };
  const Case cases[] = {{"tsai-shah", TsaiShahSfs, {45.0, 135.0}, 0.0},
                        {"horn", HornSfs, {45.0, 135.0}, 0.0},
                        {"tsai-shah", TsaiShahSfs, {0.0, 0.0}, 0.0},
                        {"horn", HornSfs, {0.0, 0.0}, 0.1}};
  for (const char* surface : {"vase", "hemisphere"}) {
    const SurfaceScene scene = Scene(surface);
    HeightField flat = scene.field;
    std::fill(flat.z.begin(), flat.z.end(), 0.0);
    const RecoveryReport plane = MeasureRecovery(scene.field, &flat, nullptr);
    for (const Case& c : cases) {
      const RecoveryImages image = MakeRecoveryImages(Matte(), scene, {c.source});
      SfsOptions options;
      if (c.domeRise > 0.0) {
        options.start = Dome(kSide, kSide, c.domeRise * kSide * scene.field.spacingX);
      }
      const SfsResult result = c.solve(image, Matte(), options);
      const RecoveryReport report = MeasureRecovery(scene.field, &result.heights, nullptr);
      const std::string label =
          std::string(surface) + " " + c.method + " slant " + std::to_string(c.source.slantDegrees);
      std::cout << label << ", " << result.iterations << " iterations:\n"
                << FormatRecoveryReport(report);
      EXPECT_LT(report.meanDepthError, plane.meanDepthError) << label;
      EXPECT_LT(report.stdDepthError, plane.stdDepthError) << label;
      EXPECT_LT(report.meanGradientError, plane.meanGradientError) << label;
    }
  }
}

// A run that settles after its first iteration (every step below a huge bound) still fills the
// progress bar: the blocks it will not run count as done.
TEST(ShapeFromShading, CancelStopsAndProgressFills) {
  const SurfaceScene scene = Scene("hemisphere");
  const RecoveryImages image = MakeRecoveryImages(Matte(), scene, {{45.0, 135.0}});
  for (const Method solve : {TsaiShahSfs, HornSfs}) {
    SfsOptions options;
    options.iterations = 7;
    {
      PassControl control;
      const ScopedPassControl bound(control);
      control.Cancel();
      const SfsResult result = solve(image, Matte(), options);
      EXPECT_TRUE(result.cancelled);
      EXPECT_EQ(result.iterations, 0);
    }
    options.settled = 1e9;
    PassControl control;
    const ScopedPassControl bound(control);
    const SfsResult result = solve(image, Matte(), options);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.iterations, 1);
    EXPECT_EQ(control.Progress(), 1.0);
  }
}

}  // namespace
