#include "elevation/elevation_encoding.h"

#include <cpl_vsi.h>
#include <gdal_priv.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <memory>

#include "elevation/gdal_session.h"

namespace {

constexpr double kNoData = -99999.0;

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

// A name of GDAL's in-memory file system, new for each encoding.
std::string MemoryPath(const char* extension) {
  static std::atomic<unsigned> serial{0};
  return "/vsimem/gauss-sphere-elevation-" + std::to_string(serial++) + extension;
}

// The field in GDAL's in-memory raster, north up, no data as kNoData.
Dataset InMemory(const HeightField& field) {
  GDALDriver* memory = GetGDALDriverManager()->GetDriverByName("MEM");
  if (memory == nullptr) return nullptr;
  Dataset dataset(memory->Create("", field.width, field.height, 1, GDT_Float64, nullptr));
  if (!dataset) return nullptr;
  double transform[6] = {0.0, field.spacingX, 0.0, field.height * field.spacingY,
                         0.0, -field.spacingY};
  dataset->SetGeoTransform(transform);
  GDALRasterBand* band = dataset->GetRasterBand(1);
  band->SetNoDataValue(kNoData);
  std::vector<double> heights(field.z);
  for (double& z : heights) {
    if (!std::isfinite(z)) z = kNoData;
  }
  if (band->RasterIO(GF_Write, 0, 0, field.width, field.height, heights.data(), field.width,
                     field.height, GDT_Float64, 0, 0) != CE_None) {
    return nullptr;
  }
  return dataset;
}

}  // namespace

std::optional<std::string> EncodeElevationModel(const HeightField& field, ElevationFormat format) {
  if (field.width <= 0 || field.height <= 0) return std::nullopt;
  const GdalSession session;
  Dataset source = InMemory(field);
  if (!source) return std::nullopt;
  const bool tiff = format == ElevationFormat::kGeoTiff;
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(tiff ? "GTiff" : "AAIGrid");
  if (driver == nullptr) return std::nullopt;
  const std::string path = MemoryPath(tiff ? ".tif" : ".asc");
  char* options[] = {const_cast<char*>("FORCE_CELLSIZE=NO"), nullptr};
  Dataset copy(driver->CreateCopy(path.c_str(), source.get(), false, tiff ? nullptr : options,
                                  nullptr, nullptr));
  if (!copy) return std::nullopt;
  copy.reset();  // flushed to the in-memory file
  vsi_l_offset length = 0;
  GByte* bytes = VSIGetMemFileBuffer(path.c_str(), &length, false);
  std::optional<std::string> encoded;
  if (bytes != nullptr && length > 0) {
    encoded = std::string(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
  }
  VSIUnlink(path.c_str());
  VSIUnlink((path + ".aux.xml").c_str());
  VSIUnlink((path.substr(0, path.size() - 4) + ".prj").c_str());
  return encoded;
}

std::optional<ElevationFormat> ElevationFormatOf(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "tif" || extension == "tiff") return ElevationFormat::kGeoTiff;
  if (extension == "asc") return ElevationFormat::kAsciiGrid;
  return std::nullopt;
}
