#pragma once
// Small elevation files for the tests, in a fresh folder: texts and bytes written as they are,
// one-band GeoTIFFs of doubles through GDAL's own driver.

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
  ScratchFolder() : path_(testing::TempDir() + "dem-XXXXXX") {
    if (mkdtemp(path_.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed for " << path_;
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline std::string WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

struct TiffSpec {
  int width = 2;
  int height = 2;
  std::vector<double> values = {};  // row 0 first; none: no data blocks at all (a sparse file)
  std::optional<std::array<double, 6>> transform = std::nullopt;
  const char* srs = nullptr;  // "EPSG:4326"
  double scale = 1.0;
  double offset = 0.0;
};

inline std::string WriteGeoTiff(const std::string& path, TiffSpec spec) {
  GDALAllRegister();
  const char* sparse[] = {"SPARSE_OK=TRUE", "TILED=YES", "BLOCKXSIZE=4096", "BLOCKYSIZE=4096",
                          nullptr};
  GDALDatasetH dataset =
      GDALCreate(GDALGetDriverByName("GTiff"), path.c_str(), spec.width, spec.height, 1,
                 GDT_Float64, spec.values.empty() ? const_cast<char**>(sparse) : nullptr);
  GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
  if (spec.transform) GDALSetGeoTransform(dataset, spec.transform->data());
  if (spec.srs != nullptr) GDALSetProjection(dataset, spec.srs);
  GDALSetRasterScale(band, spec.scale);
  GDALSetRasterOffset(band, spec.offset);
  if (!spec.values.empty()) {
    EXPECT_EQ(GDALRasterIO(band, GF_Write, 0, 0, spec.width, spec.height, spec.values.data(),
                           spec.width, spec.height, GDT_Float64, 0, 0),
              CE_None);
  }
  GDALClose(dataset);
  return path;
}
