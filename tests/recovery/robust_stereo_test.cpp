// Robust photometric stereo: four glossy images of the hemisphere, whose highlights Woodham's
// least squares takes for matte light, recovered to a third of its mean angular error or better;
// matte images rounded to 8 bits, which a matte fit explains to a grey level, lose no sample.

#include "recovery/robust_stereo.h"

#include <gtest/gtest.h>

#include <variant>

#include "model/startup_values.h"
#include "photometry/law_catalogue.h"
#include "recovery/photometric_stereo.h"
#include "recovery/recovery_report.h"
#include "surface/surface_catalogue.h"

namespace {

const std::vector<LightAim> kFourSources{{45.0, 0.0}, {45.0, 90.0}, {45.0, 180.0}, {45.0, 270.0}};

RenderState Law(int32_t kind, int parameter, double value) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.law = StartLawSettings(kind);
  if (parameter >= 0) state.law.parameters[static_cast<size_t>(parameter)] = value;
  return state;
}

SurfaceScene Hemisphere() {
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  return MakeScene(MakeSurface(kind, 64, 64, StartValues(kind)));
}

// A lobe as narrow as a polished surface's: the highlight falls in one image a cell. (The
// laws' broader start values spread it over the others too, where no sample is wrong alone.)
TEST(RobustStereo, GlossyHighlightsAreLeftOut) {
  const struct {
    const char* name;
    RenderState law;
  } cases[] = {{"cook-torrance m=0.2", Law(kCookTorrance, kCookTorranceM, 0.2)},
               {"blinn-phong n=64", Law(kBlinnPhong, kBlinnPhongN, 64.0)}};
  const SurfaceScene scene = Hemisphere();
  for (const auto& c : cases) {
    const RecoveryImages images = MakeRecoveryImages(c.law, scene, kFourSources);
    const auto woodham = std::get<RecoveredNormals>(WoodhamStereo(images));
    const auto robust = std::get<RobustNormals>(RobustStereo(images));
    const RecoveryReport least = MeasureRecovery(scene.field, nullptr, &woodham);
    const RecoveryReport report = MeasureRecovery(scene.field, nullptr, &robust.normals);
    EXPECT_EQ(report.recoveredPixels, least.recoveredPixels) << c.name;
    EXPECT_LE(report.meanAngularErrorDeg, least.meanAngularErrorDeg / 3.0) << c.name;
    EXPECT_GT(robust.rejectedSamples, 0) << c.name;
  }
}

// Rounded to 8 bits, a matte fit still misses each sample by less than a grey level or two: no
// sample is left out, and the normals are Woodham's.
TEST(RobustStereo, MatteImagesLoseNoSample) {
  const SurfaceScene scene = Hemisphere();
  const RenderState matte = Law(kMatte, -1, 0.0);
  const RecoveryImages images = MakeRecoveryImages(matte, scene, kFourSources, {0.0, 1, 8});
  const auto woodham = std::get<RecoveredNormals>(WoodhamStereo(images));
  const auto robust = std::get<RobustNormals>(RobustStereo(images));
  EXPECT_EQ(robust.rejectedSamples, 0);
  EXPECT_NEAR(MeasureRecovery(scene.field, nullptr, &robust.normals).meanAngularErrorDeg,
              MeasureRecovery(scene.field, nullptr, &woodham).meanAngularErrorDeg, 1e-9);
}

}  // namespace
