// A photo set: light directions at any length and in every quadrant become aims that point the
// same way; a hemisphere photographed at 16 bits (one image in colour under its own
// intensities, a mask over part of it) gives back its normals.

#include "photoset/photo_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "model/startup_values.h"
#include "photo_folders.h"
#include "recovery/photometric_stereo.h"
#include "recovery/recovery_report.h"
#include "surface/surface_catalogue.h"
#include "temp_folder.h"

namespace {

TEST(PhotoSet, DirectionsTurnIntoAimsThatPointTheSameWay) {
  const SourceDirection directions[] = {
      {1, 2, 3},    {-1, 2, 3},       {-1, -2, 3}, {1, -2, 3},    // the tilt's four quadrants
      {0, 0, 7},    {0, -1, 1},       {-4, 0, 2},  {2, 0, 1e-3},  // the axes, nearly grazing
      {1e-9, 0, 1}, {0.3, 0.2, 1e-12}};
  for (const SourceDirection& v : directions) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    const LightAim aim = AimOf(v);
    const SourceDirection d = DirectionOf(aim);
    for (const auto& [got, want] : {std::pair{d.x, v.x}, {d.y, v.y}, {d.z, v.z}}) {
      EXPECT_NEAR(got, want / length, 4 * FLT_EPSILON)
          << v.x << " " << v.y << " " << v.z << " -> slant " << aim.slantDegrees << ", tilt "
          << aim.tiltDegrees;
    }
  }
}

TEST(PhotoSet, AHemisphereGivesBackItsNormals) {
  constexpr int kWidth = 48;  // not square, so that rows and columns cannot swap unnoticed
  constexpr int kHeight = 40;
  constexpr int kMaskedColumns = 6;
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  const HeightField truth = MakeSurface(kind, kWidth, kHeight, StartValues(kind));
  const std::vector<LightAim> aims{{35, 10}, {35, 100}, {40, 200}, {30, 290}};
  RenderState law;
  ApplyStartupValues(law);
  const RecoveryImages made = MakeRecoveryImages(law, MakeScene(truth), aims, {0.0, 1, 16});

  TempFolder folder;
  std::string names, directions;
  for (size_t k = 0; k < aims.size(); ++k) {
    const std::string name = "shot" + std::to_string(k) + ".png";
    names += name + "\n\n";
    directions += DirectionLine(aims[k], 0.5 + static_cast<double>(k));
    // Image 2 in colour, each channel as bright as its light's intensity makes it.
    WriteTextFile(folder.File(name), k == 2
                                         ? Png16(kWidth, kHeight, made.intensity[k], {0.5, 0.25, 1})
                                         : Png16(kWidth, kHeight, made.intensity[k]));
  }
  WriteTextFile(folder.File("filenames.txt"), names);
  WriteTextFile(folder.File("light_directions.txt"), directions);
  WriteTextFile(folder.File("light_intensities.txt"), "1 1 1\r\n1 1 1\r\n0.5 0.25 1\r\n1 1 1\r\n");
  std::vector<double> mask(made.Cells(), 1.0);
  for (size_t cell = 0; cell < mask.size(); cell += kWidth) {
    std::fill_n(mask.begin() + static_cast<std::ptrdiff_t>(cell), kMaskedColumns, 0.0);
  }
  WriteTextFile(folder.File("mask.png"), Png16(kWidth, kHeight, mask));

  auto read = ReadPhotoSet(QString::fromStdString(folder.Path().string()));
  ASSERT_TRUE(std::holds_alternative<RecoveryImages>(read)) << std::get<std::string>(read);
  const RecoveryImages& images = std::get<RecoveryImages>(read);
  ASSERT_EQ(images.width, kWidth);
  ASSERT_EQ(images.height, kHeight);
  auto solved = WoodhamStereo(images);
  ASSERT_TRUE(std::holds_alternative<RecoveredNormals>(solved));
  const RecoveredNormals& normals = std::get<RecoveredNormals>(solved);
  const RecoveryReport report = MeasureRecovery(truth, nullptr, &normals);
  EXPECT_LT(report.meanAngularErrorDeg, 0.05);
  EXPECT_LT(report.medianAngularErrorDeg, 0.05);
  // The masked columns are none of them; of the others, all but a few cells at the rim.
  const int64_t unmasked = static_cast<int64_t>(kWidth - kMaskedColumns) * kHeight;
  EXPECT_LE(report.recoveredPixels, unmasked);
  EXPECT_GT(report.recoveredPixels, unmasked * 9 / 10);
}

}  // namespace
