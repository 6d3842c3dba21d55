#pragma once
// Small elevation files for the tests, made in a fresh folder: text and bytes written as they
// are, one-band GeoTIFFs made through GDAL's own driver.

#include <cpl_string.h>
#include <gdal.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::path(testing::TempDir()) / "dem-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed for " << pattern;
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct TiffSpec {
  int width = 2;
  int height = 2;
  std::vector<double> values = {};  // row 0 first; none for a file of no data blocks (sparse)
  GDALDataType type = GDT_Float64;
  std::optional<std::array<double, 6>> transform = std::nullopt;
  const char* srs = nullptr;  // as GDAL reads it: "EPSG:4326"
  std::optional<double> noData = std::nullopt;
  double scale = 1.0;
  double offset = 0.0;
};

// Large sizes are written tiled and sparse: only the header and the tile index take room.
inline std::string WriteGeoTiff(const std::string& path, const TiffSpec& spec) {
  GDALAllRegister();
  char** options = CSLSetNameValue(nullptr, "SPARSE_OK", "TRUE");
  if (spec.values.empty()) {
    options = CSLSetNameValue(options, "TILED", "YES");
    options = CSLSetNameValue(options, "BLOCKXSIZE", "4096");
    options = CSLSetNameValue(options, "BLOCKYSIZE", "4096");
  }
  GDALDatasetH dataset = GDALCreate(GDALGetDriverByName("GTiff"), path.c_str(), spec.width,
                                    spec.height, 1, spec.type, options);
  CSLDestroy(options);
  EXPECT_NE(dataset, nullptr) << path;
  if (dataset == nullptr) return path;
  GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
  if (spec.transform) GDALSetGeoTransform(dataset, std::array(*spec.transform).data());
  if (spec.srs != nullptr) GDALSetProjection(dataset, spec.srs);
  if (spec.noData) GDALSetRasterNoDataValue(band, *spec.noData);
  GDALSetRasterScale(band, spec.scale);
  GDALSetRasterOffset(band, spec.offset);
  if (!spec.values.empty()) {
    EXPECT_EQ(
        GDALRasterIO(band, GF_Write, 0, 0, spec.width, spec.height, std::vector(spec.values).data(),
                     spec.width, spec.height, GDT_Float64, 0, 0),
        CE_None);
  }
  GDALClose(dataset);
  return path;
}
