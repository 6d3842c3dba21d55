// Grids that read: heights, spacing and orientation as the file means them.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "elevation/elevation_model.h"
#include "elevation_files.h"

namespace {

HeightField Read(const std::string& path, const ElevationOptions& options = {}) {
  auto result = ReadElevationModel(path, options);
  if (auto* error = std::get_if<ElevationError>(&result)) ADD_FAILURE() << error->message;
  return result.index() == 0 ? std::get<HeightField>(result) : HeightField{};
}

// z = a x + b y, y upwards, cellsize 0.5: all exact in binary, so every step along a row is
// exactly a * 0.5 and every step up a column b * 0.5, times the height scale. The file's cellsize
// wins over the given spacing.
TEST(ElevationRead, AsciiPlaneKeepsSlopesSpacingAndScale) {
  constexpr double kA = 0.25, kB = -1.5, kCell = 0.5;
  std::string text = "ncols 4\nnrows 3\nxllcorner 10\nyllcorner 20\ncellsize 0.5\n";
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      text += std::to_string((kA * column + kB * (2 - row)) * kCell) + (column < 3 ? " " : "\n");
    }
  }
  ScratchFolder folder;
  for (const double scale : {1.0, -2.0}) {
    const HeightField field =
        Read(WriteBytes(folder.File("plane.asc"), text), {.spacing = 7.0, .heightScale = scale});
    ASSERT_EQ(field.z.size(), 12u);
    EXPECT_EQ(field.spacingX, kCell);
    EXPECT_EQ(field.spacingY, kCell);
    for (int cell = 1; cell < 12; ++cell) {  // each step east, then each step north
      const int column = cell % 4, row = cell / 4;
      const double east = column > 0 ? field.At(column, row) - field.At(column - 1, row) : 0;
      const double north = row > 0 ? field.At(column, row - 1) - field.At(column, row) : 0;
      EXPECT_EQ(east, column > 0 ? scale * kA * kCell : 0);
      EXPECT_EQ(north, row > 0 ? scale * kB * kCell : 0);
    }
  }
}

// The no-data value, NaN and infinity are all no data (an ASCII grid's NODATA_value: the failure
// table's grid of no data). An ENVI Float32 band holds its no-data value 0.1 rounded to float,
// which GDAL hands over as the double 0.1.
TEST(ElevationRead, NoDataCellsBecomeNaN) {
  ScratchFolder folder;
  const float cells[] = {0.1f, INFINITY, 2.5f, NAN};
  WriteBytes(folder.File("holes.hdr"),
             "ENVI\nsamples = 4\nlines = 1\nbands = 1\ndata type = 4\ninterleave = bsq\n"
             "byte order = 0\ndata ignore value = 0.1\n");
  const HeightField envi = Read(WriteBytes(
      folder.File("holes.img"), std::string(reinterpret_cast<const char*>(cells), sizeof cells)));
  ASSERT_EQ(envi.z.size(), 4u);
  EXPECT_TRUE(std::isnan(envi.z[0]) && std::isnan(envi.z[1]) && std::isnan(envi.z[3]));
  EXPECT_EQ(envi.z[2], 2.5);
}

// The file's values {1, 2 / 3, 4} in its own order come out north up and east to the right, with
// the band's scale and offset applied; a geographic grid's degrees become metres on WGS 84.
TEST(ElevationRead, GeoTiffComesOutNorthUp) {
  constexpr double kMetres = 1e-3 * std::numbers::pi / 180 * 6378137.0,
                   kPolar = 1 - 0.00669437999014;
  const struct {
    std::optional<std::array<double, 6>> transform;
    const char* srs;
    double scale, offset;
    std::vector<double> z;
    double spacingX, spacingY;
  } rows[] = {
      {std::nullopt, nullptr, 1, 0, {1, 2, 3, 4}, 3, 3},  // no georeferencing: the given spacing
      {{{0, 2, 0, 0, 0, -4}}, nullptr, 1, 0, {1, 2, 3, 4}, 2, 4},
      {{{0, 2, 0, 0, 0, 4}}, nullptr, 1, 0, {3, 4, 1, 2}, 2, 4},    // south up
      {{{0, -2, 0, 0, 0, -4}}, nullptr, 1, 0, {2, 1, 4, 3}, 2, 4},  // east to the left
      {{{0, 2, 0, 0, 0, -2}}, nullptr, 0.5, 10, {10.5, 11, 11.5, 12}, 2, 2},
      {{{0, 1e-3, 0, 1e-3, 0, -1e-3}}, "EPSG:4326", 1, 0, {1, 2, 3, 4}, kMetres, kMetres * kPolar},
  };
  ScratchFolder folder;
  for (const auto& row : rows) {
    const TiffSpec spec{.values = {1, 2, 3, 4},
                        .transform = row.transform,
                        .srs = row.srs,
                        .scale = row.scale,
                        .offset = row.offset};
    const HeightField field = Read(WriteGeoTiff(folder.File("g.tif"), spec), {.spacing = 3.0});
    EXPECT_EQ(field.z, row.z) << row.spacingX;
    EXPECT_NEAR(field.spacingX, row.spacingX, 1e-9 * row.spacingX);
    EXPECT_NEAR(field.spacingY, row.spacingY, 1e-9 * row.spacingY);
  }
}

// A side of exactly the limit is still read.
TEST(ElevationRead, LongestSideAdmitted) {
  ScratchFolder folder;
  const HeightField field = Read(WriteGeoTiff(
      folder.File("strip.tif"), {kMaxElevationSide, 1, std::vector(kMaxElevationSide, 1.0)}));
  EXPECT_EQ(field.z.size(), static_cast<size_t>(kMaxElevationSide));
}

}  // namespace
