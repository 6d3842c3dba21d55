// Photometric stereo: exact on 64-bit matte images and within a degree once quantised to 8 bits,
// the albedo too; cells lit by fewer than three sources left out, the others solved from the
// lit ones; a glossy law misread as matte, then read right once the law is known; sets of
// sources that cannot work refused with their reason; the cells three glossy images cannot
// decide marked ambiguous.

#include "recovery/photometric_stereo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "model/startup_values.h"
#include "photometry/law_catalogue.h"
#include "recovery/recovery_report.h"
#include "surface/surface_catalogue.h"

namespace {

RenderState LawState(int32_t kind) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.law = StartLawSettings(kind);
  return state;
}

const std::vector<LightAim> kThreeSources{{30.0, 0.0}, {30.0, 120.0}, {30.0, 240.0}};

// Hills under an albedo that varies across the grid, so that a solve that drops it shows.
SurfaceScene HillsScene() {
  HeightField field = MakeSurface(*FindSurfaceKind("hills"), 96, 80, {3, 15, 0.35, 5});
  std::vector<double> albedo(field.z.size());
  for (size_t cell = 0; cell < albedo.size(); ++cell) {
    albedo[cell] = 0.5 + 0.4 * std::sin(0.05 * static_cast<double>(cell % 96)) *
                             std::cos(0.07 * static_cast<double>(cell / 96));
  }
  return MakeScene(std::move(field), std::move(albedo));
}

RecoveredNormals Solved(std::variant<RecoveredNormals, LightsError> result) {
  EXPECT_TRUE(std::holds_alternative<RecoveredNormals>(result));
  return std::get<RecoveredNormals>(std::move(result));
}

double LargestAlbedoError(const SurfaceScene& scene, const RecoveredNormals& normals) {
  double largest = 0.0;
  for (size_t cell = 0; cell < normals.Cells(); ++cell) {
    if (normals.Has(cell)) {
      largest = std::max(largest, std::abs(normals.albedo[cell] - scene.albedo[cell]));
    }
  }
  return largest;
}

TEST(PhotometricStereo, WoodhamRecoversMatteNormalsAndAlbedo) {
  struct Case {
    int bits;
    double angleDegrees;
    double albedo;
  };
  const SurfaceScene scene = HillsScene();
  for (const Case& c : {Case{0, 0.05, 1e-6}, Case{8, 1.0, 0.02}}) {
    const RecoveryImages images =
        MakeRecoveryImages(LawState(kMatte), scene, kThreeSources, {0.0, 1, c.bits});
    const RecoveredNormals normals = Solved(WoodhamStereo(images));
    const RecoveryReport report = MeasureRecovery(scene.field, nullptr, &normals);
    EXPECT_EQ(report.recoveredPixels, static_cast<int64_t>(normals.Cells())) << c.bits;
    EXPECT_LT(report.meanAngularErrorDeg, c.angleDegrees) << c.bits;
    EXPECT_LT(LargestAlbedoError(scene, normals), c.albedo) << c.bits;
  }
}

// Four steep sources over a hemisphere: its flanks turn away from some of them. A cell lit by
// three or four is solved exactly from those; one lit by fewer is left out.
TEST(PhotometricStereo, CellsInShadowUseTheirLitSourcesOnly) {
  const SurfaceScene scene = MakeScene(MakeSurface(*FindSurfaceKind("hemisphere"), 64, 64, {0.9}));
  const std::vector<LightAim> sources{{60.0, 0.0}, {60.0, 90.0}, {60.0, 180.0}, {60.0, 270.0}};
  const RecoveryImages images = MakeRecoveryImages(LawState(kMatte), scene, sources);
  const RecoveredNormals normals = Solved(WoodhamStereo(images));
  int64_t litByThree = 0;
  int64_t partlyShadowed = 0;
  for (size_t cell = 0; cell < images.Cells(); ++cell) {
    int lit = 0;
    for (const std::vector<double>& image : images.intensity) lit += image[cell] > 1e-3 ? 1 : 0;
    litByThree += lit >= 3 ? 1 : 0;
    partlyShadowed += lit == 3 ? 1 : 0;
    EXPECT_EQ(normals.Has(cell), lit >= 3) << cell;
  }
  ASSERT_GT(partlyShadowed, 100);
  const RecoveryReport report = MeasureRecovery(scene.field, nullptr, &normals);
  EXPECT_EQ(report.recoveredPixels, litByThree);
  EXPECT_LT(report.meanAngularErrorDeg, 0.05);
}

// Six sources: with three, three intensities against albedo, p and q leave the glossy fit other
// exact answers.
TEST(PhotometricStereo, KnownLawUndoesWhatMatteMisreads) {
  const SurfaceScene scene = HillsScene();
  const RenderState glossy = LawState(kCookTorrance);
  std::vector<LightAim> sources;
  for (int k = 0; k < 6; ++k) sources.push_back({30.0, 60.0 * k});
  const RecoveryImages images = MakeRecoveryImages(glossy, scene, sources);
  const RecoveredNormals asMatte = Solved(WoodhamStereo(images));
  const RecoveredNormals withLaw = Solved(LawStereo(images, glossy));
  const RecoveryReport matteReport = MeasureRecovery(scene.field, nullptr, &asMatte);
  const RecoveryReport lawReport = MeasureRecovery(scene.field, nullptr, &withLaw);
  std::cout << "Cook-Torrance read as matte: " << matteReport.meanAngularErrorDeg
            << " deg; with the law: " << lawReport.meanAngularErrorDeg << " deg\n";
  EXPECT_GT(matteReport.meanAngularErrorDeg, 5.0);
  EXPECT_LT(lawReport.meanAngularErrorDeg, 0.5);
  EXPECT_EQ(lawReport.recoveredPixels, static_cast<int64_t>(images.Cells()));
}

// Three glossy images at slant 30 fit some cells of the vase at two orientations exactly; the
// fit keeps one of them, and each cell where it kept the wrong one must be marked ambiguous.
// Matte images have one answer a cell: none is marked.
TEST(PhotometricStereo, TheLawFitMarksTheCellsThreeImagesCannotDecide) {
  const SurfaceKind& kind = *FindSurfaceKind("vase");
  const SurfaceScene scene = MakeScene(MakeSurface(kind, 64, 64, StartValues(kind)));
  for (const int32_t law : {kCookTorrance, kMatte}) {
    const RenderState state = LawState(law);
    const RecoveryImages images = MakeRecoveryImages(state, scene, kThreeSources);
    std::vector<char> ambiguous;
    const RecoveredNormals normals =
        Solved(LawStereo(images, state, kLawStereoIterations, &ambiguous));
    const std::vector<double> errors = AngularErrors(scene.field, normals);
    int wrong = 0, marked = 0, wrongUnmarked = 0;
    for (size_t cell = 0; cell < errors.size(); ++cell) {
      wrong += errors[cell] > 1.0 ? 1 : 0;
      marked += ambiguous[cell];
      wrongUnmarked += errors[cell] > 1.0 && ambiguous[cell] == 0 ? 1 : 0;
    }
    EXPECT_EQ(wrongUnmarked, 0) << law;
    // Matte marks nothing; the glossy case still shows the ambiguity.
    EXPECT_EQ(law == kMatte, marked == 0) << law;
    EXPECT_EQ(law == kMatte, wrong == 0) << law;
  }
}

TEST(PhotometricStereo, SourcesThatCannotWorkAreRefused) {
  struct Case {
    std::vector<LightAim> sources;
    std::optional<LightsFault> fault;
  };
  const Case cases[] = {
      {{{30.0, 0.0}, {30.0, 120.0}}, LightsFault::kTooFew},
      {{{30.0, 0.0}, {30.0, 120.0}, {30.0, 120.0}}, LightsFault::kCoincident},
      // A full turn of tilt is the same source.
      {{{30.0, 10.0}, {30.0, 120.0}, {30.0, 370.0}}, LightsFault::kCoincident},
      // All three in the plane x = 0.
      {{{30.0, 0.0}, {0.0, 0.0}, {-30.0, 0.0}}, LightsFault::kCoplanar},
      // All at the horizon: the plane z = 0.
      {{{90.0, 0.0}, {90.0, 100.0}, {90.0, 200.0}}, LightsFault::kCoplanar},
      // Close together but not in a plane: poorly conditioned, still solvable.
      {{{3.0, 0.0}, {3.0, 120.0}, {3.0, 240.0}}, std::nullopt},
  };
  const SurfaceScene scene =
      MakeScene(MakeSurface(*FindSurfaceKind("hills"), 8, 8, {1, 3, 0.5, 1}));
  for (const Case& c : cases) {
    const RecoveryImages images = MakeRecoveryImages(LawState(kMatte), scene, c.sources);
    const auto result = WoodhamStereo(images);
    if (!c.fault) {
      EXPECT_TRUE(std::holds_alternative<RecoveredNormals>(result));
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<LightsError>(result)) << static_cast<int>(*c.fault);
    EXPECT_EQ(std::get<LightsError>(result).fault, *c.fault);
    EXPECT_FALSE(std::get<LightsError>(result).message.empty());
  }
}

// The report's lines, by name in their order; heights off by a constant are no error at all.
TEST(RecoveryReport, ShiftedTruthHasNoErrorAndTheLinesAreNamed) {
  const HeightField truth = MakeSurface(*FindSurfaceKind("hills"), 16, 12, {2, 5, 0.4, 3});
  HeightField shifted = truth;
  for (double& z : shifted.z) z += 7.0;
  std::istringstream lines(FormatRecoveryReport(MeasureRecovery(truth, &shifted, nullptr)));
  const char* names[] = {"mean_angular_error_deg", "median_angular_error_deg", "depth_rms",
                         "depth_rms_percent",      "mean_depth_error",         "std_depth_error",
                         "mean_gradient_error",    "recovered_pixels"};
  for (const char* name : names) {
    std::string line;
    ASSERT_TRUE(std::getline(lines, line)) << name;
    const size_t equals = line.find('=');
    ASSERT_EQ(line.substr(0, equals), name);
    const double value = std::stod(line.substr(equals + 1));
    EXPECT_NEAR(value, name == names[7] ? 192.0 : 0.0, 1e-12) << line;
  }
}

}  // namespace
