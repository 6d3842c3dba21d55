// The depth error measures the object: Woodham's exact normals of the hemisphere, whose rim no
// three sources light, integrated on the recovered cells leave the dome and the plane around it
// as two regions of their own heights. Each region aligned on its own, the error is near 0; one
// offset for both gives tens of percent.

#include "recovery/recovery_report.h"

#include <gtest/gtest.h>

#include <variant>

#include "model/startup_values.h"
#include "recovery/normal_integration.h"
#include "recovery/photometric_stereo.h"
#include "recovery/recovered_regions.h"
#include "surface/surface_catalogue.h"

namespace {

TEST(RecoveryReport, ExactNormalsGiveNoDepthErrorOverTheObject) {
  RenderState matte;
  ApplyStartupValues(matte);
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  const SurfaceScene scene = MakeScene(MakeSurface(kind, 64, 64, StartValues(kind)));
  const RecoveryImages images =
      MakeRecoveryImages(matte, scene, {{30.0, 0.0}, {30.0, 120.0}, {30.0, 240.0}});
  const RecoveredNormals normals = std::get<RecoveredNormals>(WoodhamStereo(images));
  ASSERT_LT(normals.RecoveredCells(), static_cast<int64_t>(normals.Cells()));  // a rim is left
  // The integrator on the recovered cells keeps each region's own shape; the cosine transform
  // fills the rim with a flat slope, which bends the regions beside it a little.
  const struct {
    const char* name;
    HeightField heights;
    double percent;  // the bound of depth_rms_percent
  } cases[] = {{"poisson", IntegrateOnMask(normals), 1.0},
               {"dct", IntegrateDctPoisson(normals), 3.0}};
  for (const auto& c : cases) {
    const RecoveryReport report = MeasureRecovery(scene.field, &c.heights, &normals);
    EXPECT_LT(report.depthRmsPercent, c.percent) << c.name;
    EXPECT_NEAR(report.meanAngularErrorDeg, 0.0, 1e-9) << c.name;
  }
}

TEST(RecoveredRegions, SideBySideIsOneRegionCornerToCornerIsNot) {
  // 1 1 0
  // 0 0 1
  // 1 0 1
  const std::vector<char> inside{1, 1, 0, 0, 0, 1, 1, 0, 1};
  const CellRegions regions = ConnectedRegions(inside, 3, 3);
  EXPECT_EQ(regions.count, 3);
  EXPECT_EQ(regions.label[0], regions.label[1]);
  EXPECT_EQ(regions.label[5], regions.label[8]);
  EXPECT_NE(regions.label[1], regions.label[5]);
  EXPECT_EQ(regions.label[2], -1);
}

}  // namespace
