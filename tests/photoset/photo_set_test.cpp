// A photo set: light directions at any length and in every quadrant become aims that point the
// same way; a hemisphere photographed at 16 bits (one image in colour under its own
// intensities, a mask over part of it) gives back its normals, gamma-encoded ones too when the
// folder says the camera's response.

#include "photoset/photo_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

#include "model/startup_values.h"
#include "photo_folders.h"
#include "photoset/camera_response.h"
#include "recovery/colour_albedo.h"
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
  // Image 2 is the first in colour: the grey ones before it are read again for their channels,
  // each image's channels in its own place (their mean is its grey intensity).
  ASSERT_EQ(images.colour.size(), aims.size());
  for (size_t k = 0; k < aims.size(); ++k) {
    const size_t cell = images.Cells() - 1;  // unmasked, lit by every source
    const auto& rgb = images.colour[k];
    EXPECT_NEAR((rgb[0][cell] + rgb[1][cell] + rgb[2][cell]) / 3, images.intensity[k][cell], 1e-12)
        << k;
  }
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

// Colour photographs of a hemisphere of one colour give that colour back as each channel's albedo,
// cell by cell; grey ones keep no channels.
TEST(PhotoSet, ColourPhotographsGiveEachChannelsAlbedo) {
  constexpr int kSide = 40;
  const std::array<double, 3> kColour = {0.8, 0.5, 0.2};
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  const HeightField truth = MakeSurface(kind, kSide, kSide, StartValues(kind));
  const std::vector<LightAim> aims{{35, 10}, {35, 130}, {40, 250}, {30, 300}};
  RenderState law;
  ApplyStartupValues(law);
  const RecoveryImages made = MakeRecoveryImages(law, MakeScene(truth), aims, {0.0, 1, 16});
  for (const bool colour : {true, false}) {
    TempFolder folder;
    std::string names, directions;
    for (size_t k = 0; k < aims.size(); ++k) {
      const std::string name = "shot" + std::to_string(k) + ".png";
      names += name + "\n";
      directions += DirectionLine(aims[k], 1.0);
      WriteTextFile(folder.File(name), colour ? Png16(kSide, kSide, made.intensity[k], kColour)
                                              : Png16(kSide, kSide, made.intensity[k]));
    }
    WriteTextFile(folder.File("filenames.txt"), names);
    WriteTextFile(folder.File("light_directions.txt"), directions);
    auto read = ReadPhotoSet(QString::fromStdString(folder.Path().string()));
    ASSERT_TRUE(std::holds_alternative<RecoveryImages>(read)) << std::get<std::string>(read);
    const RecoveryImages& images = std::get<RecoveryImages>(read);
    auto solved = WoodhamStereo(images);
    ASSERT_TRUE(std::holds_alternative<RecoveredNormals>(solved));
    const RecoveredNormals& normals = std::get<RecoveredNormals>(solved);
    const ColourAlbedoChannels albedo = ColourAlbedo(images, normals);
    if (!colour) {
      EXPECT_TRUE(images.colour.empty() && albedo[0].empty());
      continue;
    }
    int64_t measured = 0;
    for (size_t cell = 0; cell < images.Cells(); ++cell) {
      if (!normals.Has(cell) || !std::isfinite(albedo[0][cell])) continue;
      ++measured;
      for (size_t channel = 0; channel < 3; ++channel) {
        ASSERT_NEAR(albedo[channel][cell], kColour[channel], 2e-3) << cell << " " << channel;
      }
    }
    EXPECT_GT(measured, normals.RecoveredCells() * 9 / 10);
  }
}

// A table is read between its entries along a straight line, its ends at 0 and full scale.
TEST(PhotoSet, AResponseTableIsReadBetweenItsEntries) {
  const CameraResponse table = CameraResponse::Table({0.0, 0.25, 1.0});
  const CameraResponse gamma = CameraResponse::Gamma(2.0);
  const struct {
    const CameraResponse& response;
    double value, linear;
  } kRows[] = {{table, 0.0, 0.0},    {table, 0.25, 0.125}, {table, 0.5, 0.25},
               {table, 0.75, 0.625}, {table, 1.0, 1.0},    {gamma, 0.5, 0.25}};
  for (const auto& row : kRows) EXPECT_DOUBLE_EQ(row.response.Linear(row.value), row.linear);
}

// Photographs gamma-encoded as cameras write them: a gamma or a measured table in
// camera_response.txt makes them linear again, and without it the normals come out wrong; a
// response that does not read is a message naming its line.
TEST(PhotoSet, TheCamerasResponseMakesPhotographsLinear) {
  constexpr int kSide = 40;
  constexpr double kGamma = 2.2;
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  const HeightField truth = MakeSurface(kind, kSide, kSide, StartValues(kind));
  const std::vector<LightAim> aims{{35, 10}, {35, 130}, {40, 250}};
  RenderState law;
  ApplyStartupValues(law);
  const RecoveryImages made = MakeRecoveryImages(law, MakeScene(truth), aims, {0.0, 1, 16});
  std::string table;
  for (int k = 0; k <= 4096; ++k) table += std::to_string(std::pow(k / 4096.0, kGamma)) + "\n";
  const struct {
    const char* name;
    std::string response;    // none: no file
    double lowest, highest;  // the mean angular error, degrees
    const char* message;     // what a refusal says; null: the set reads
  } kRows[] = {
      {"linear as read", "", 3.0, 90.0, nullptr},
      {"gamma", "2.2\n", 0.0, 0.05, nullptr},
      {"table", table, 0.0, 0.1, nullptr},
      {"gamma zero", "0\n", 0, 0, "camera_response.txt», строка 1: гамма"},
      {"table falling", "0\n0.6\n0.5\n", 0, 0, "camera_response.txt», строка 3: значения"},
      {"not a number", "0\nx\n", 0, 0, "camera_response.txt», строка 2: значение"},
  };
  for (const auto& row : kRows) {
    TempFolder folder;
    std::string names, directions;
    for (size_t k = 0; k < aims.size(); ++k) {
      std::vector<double> encoded = made.intensity[k];
      for (double& value : encoded) value = std::pow(std::max(value, 0.0), 1.0 / kGamma);
      const std::string name = "shot" + std::to_string(k) + ".png";
      names += name + "\n";
      directions += DirectionLine(aims[k], 1.0);
      WriteTextFile(folder.File(name), Png16(kSide, kSide, encoded));
    }
    WriteTextFile(folder.File("filenames.txt"), names);
    WriteTextFile(folder.File("light_directions.txt"), directions);
    if (!row.response.empty()) WriteTextFile(folder.File("camera_response.txt"), row.response);
    auto read = ReadPhotoSet(QString::fromStdString(folder.Path().string()));
    if (row.message != nullptr) {
      ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.name;
      EXPECT_NE(std::get<std::string>(read).find(row.message), std::string::npos)
          << row.name << ": " << std::get<std::string>(read);
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<RecoveryImages>(read)) << std::get<std::string>(read);
    auto solved = WoodhamStereo(std::get<RecoveryImages>(read));
    ASSERT_TRUE(std::holds_alternative<RecoveredNormals>(solved)) << row.name;
    const RecoveryReport report =
        MeasureRecovery(truth, nullptr, &std::get<RecoveredNormals>(solved));
    EXPECT_GE(report.meanAngularErrorDeg, row.lowest) << row.name;
    EXPECT_LE(report.meanAngularErrorDeg, row.highest) << row.name;
  }
}

}  // namespace
