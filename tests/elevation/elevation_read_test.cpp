// Grids that read: heights, spacing and orientation as the file means them.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "elevation/elevation_model.h"
#include "elevation_files.h"

namespace {

HeightField Read(const std::string& path, const ElevationOptions& options = {}) {
  auto result = ReadElevationModel(path, options);
  if (const auto* error = std::get_if<ElevationError>(&result)) {
    ADD_FAILURE() << error->message;
    return {};
  }
  return std::get<HeightField>(result);
}

// z = a x + b y with y upwards, on a 4 x 3 grid of cellsize 0.5: every value exact in binary, so
// every difference quotient is exactly a (along a row) or b (up a column) times the height scale.
// The given spacing 7 must lose to the file's cellsize.
TEST(ElevationRead, AsciiPlaneKeepsSlopesSpacingAndScale) {
  constexpr double kA = 0.25, kB = -1.5, kCell = 0.5;
  ScratchFolder folder;
  std::string text = "ncols 4\nnrows 3\nxllcorner 10\nyllcorner 20\ncellsize 0.5\n";
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      text += std::to_string(kA * column * kCell + kB * (2 - row) * kCell) + " ";
    }
    text += "\n";
  }
  const std::string path = WriteBytes(folder.File("plane.asc"), text);
  for (const double scale : {1.0, -2.0}) {
    const HeightField field = Read(path, {.spacing = 7.0, .heightScale = scale});
    ASSERT_EQ(field.z.size(), 12u);
    EXPECT_EQ(field.spacingX, kCell);
    EXPECT_EQ(field.spacingY, kCell);
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 4; ++column) {
        if (column < 3) {
          EXPECT_EQ(field.At(column + 1, row) - field.At(column, row), scale * kA * kCell);
        }
        if (row > 0) {
          EXPECT_EQ(field.At(column, row - 1) - field.At(column, row), scale * kB * kCell);
        }
      }
    }
  }
}

// The no-data value marks cells, and so do NaN and infinity; a Float32 band holds its no-data
// value 0.1 rounded to float, which the double 0.1 does not equal.
TEST(ElevationRead, NoDataCellsBecomeNaN) {
  ScratchFolder folder;
  const std::string grid = WriteBytes(folder.File("holes.asc"),
                                      "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\n"
                                      "NODATA_value -9999\n-9999 5\n");
  const double inf = INFINITY;
  const std::string tiff =
      WriteGeoTiff(folder.File("holes.tif"),
                   {.values = {0.1, inf, 2.5, NAN}, .type = GDT_Float32, .noData = 0.1});
  const HeightField fromGrid = Read(grid);
  ASSERT_EQ(fromGrid.z.size(), 2u);
  EXPECT_TRUE(std::isnan(fromGrid.z[0]));
  EXPECT_EQ(fromGrid.z[1], 5.0);
  const HeightField fromTiff = Read(tiff);
  ASSERT_EQ(fromTiff.z.size(), 4u);
  EXPECT_TRUE(std::isnan(fromTiff.z[0]) && std::isnan(fromTiff.z[1]) && std::isnan(fromTiff.z[3]));
  EXPECT_EQ(fromTiff.z[2], 2.5);
}

// The file's values {1, 2 / 3, 4} in its own order come out north up and east to the right, with
// the band's scale and offset applied; a geographic grid's degrees become metres.
TEST(ElevationRead, GeoTiffComesOutNorthUp) {
  constexpr double kDegree = std::numbers::pi / 180.0, kA = 6378137.0, kE2 = 0.00669437999014;
  struct Row {
    std::optional<std::array<double, 6>> transform;
    const char* srs;
    double scale, offset;
    std::vector<double> z;
    double spacingX, spacingY;
  };
  const Row rows[] = {
      {std::nullopt, nullptr, 1, 0, {1, 2, 3, 4}, 3, 3},  // no georeferencing: the given spacing
      {{{0, 2, 0, 0, 0, -4}}, nullptr, 1, 0, {1, 2, 3, 4}, 2, 4},
      {{{0, 2, 0, 0, 0, 4}}, nullptr, 1, 0, {3, 4, 1, 2}, 2, 4},    // south up
      {{{0, -2, 0, 0, 0, -4}}, nullptr, 1, 0, {2, 1, 4, 3}, 2, 4},  // east to the left
      {{{0, 2, 0, 0, 0, -2}}, nullptr, 0.5, 10, {10.5, 11, 11.5, 12}, 2, 2},
      {{{0, 1e-3, 0, 1e-3, 0, -1e-3}},
       "EPSG:4326",
       1,
       0,
       {1, 2, 3, 4},
       1e-3 * kDegree * kA,
       1e-3 * kDegree * kA * (1 - kE2)},  // the middle latitude is 0
  };
  ScratchFolder folder;
  for (const Row& row : rows) {
    const std::string path = WriteGeoTiff(folder.File("g.tif"), {.values = {1, 2, 3, 4},
                                                                 .transform = row.transform,
                                                                 .srs = row.srs,
                                                                 .scale = row.scale,
                                                                 .offset = row.offset});
    const HeightField field = Read(path, {.spacing = 3.0});
    EXPECT_EQ(field.z, row.z) << (row.srs ? row.srs : "") << " " << row.spacingX;
    EXPECT_NEAR(field.spacingX, row.spacingX, 1e-9 * row.spacingX);
    EXPECT_NEAR(field.spacingY, row.spacingY, 1e-9 * row.spacingY);
  }
}

// A side of exactly the limit is still read.
TEST(ElevationRead, LongestSideAdmitted) {
  ScratchFolder folder;
  const std::string path = WriteGeoTiff(
      folder.File("strip.tif"),
      {.width = kMaxElevationSide, .height = 1, .values = std::vector(kMaxElevationSide, 1.0)});
  EXPECT_EQ(Read(path).z.size(), static_cast<size_t>(kMaxElevationSide));
}

}  // namespace
