#include "elevation/elevation_model.h"

#include <fcntl.h>
#include <gdal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

#include "elevation/data_completeness.h"
#include "elevation/elevation_messages.h"
#include "elevation/gdal_session.h"
#include "elevation/grid_placement.h"
#include "elevation/regular_files_only.h"

namespace {

// Only the formats the program reads; any other driver could take a stray file for a raster (a
// text of numbers for a point list, say) and answer with something that is not a grid.
const char* const kDrivers[] = {"GTiff", "AAIGrid", "ENVI", "PDS", "ISIS3", "PNG", nullptr};

struct DatasetCloser {
  void operator()(void* dataset) const { GDALClose(dataset); }
};
using Dataset = std::unique_ptr<void, DatasetCloser>;

std::string SystemWords(int error) { return std::generic_category().message(error); }

// What the system can tell before GDAL sees the file. A FIFO or a device is refused rather than
// opened: GDAL would wait on it or read without end.
std::optional<ElevationError> CheckFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) {
      return MakeElevationError(path, ElevationFailure::kMissing);
    }
    return MakeElevationError(path, ElevationFailure::kUnreadable,
                              {.outsideWords = SystemWords(error)});
  }
  if (!S_ISREG(info.st_mode)) return MakeElevationError(path, ElevationFailure::kNotRegularFile);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    return MakeElevationError(path, ElevationFailure::kUnreadable,
                              {.outsideWords = SystemWords(error)});
  }
  ::close(fd);
  if (info.st_size == 0) return MakeElevationError(path, ElevationFailure::kEmpty);
  return std::nullopt;
}

// GDAL's words of the last failure, naming the files as the user would.
std::string GdalWords(const std::string& path) {
  return WithoutRegularFilesPrefix(LastGdalMessage(), path);
}

// A read that failed: a file beside it refused (GDAL opens some only when it reads), or GDAL's
// reason.
ElevationError ReadFailure(const std::string& path) {
  const std::string other = TakeRefusedFile();
  if (!other.empty()) {
    return MakeElevationError(path, ElevationFailure::kDataNotRegular, {.otherFile = other});
  }
  return MakeElevationError(path, ElevationFailure::kReadFailed, {.outsideWords = GdalWords(path)});
}

// What the drivers would read as zeros: a word among an ASCII grid's numbers, an ENVI data file
// shorter than its header says.
std::optional<ElevationError> SilentZeros(const std::string& path, GDALDatasetH dataset) {
  const std::string driver = GDALGetDriverShortName(GDALGetDatasetDriver(dataset));
  if (driver == "AAIGrid") {
    const int64_t cells =
        static_cast<int64_t>(GDALGetRasterXSize(dataset)) * GDALGetRasterYSize(dataset);
    if (const std::optional<StrayToken> stray = FirstStrayToken(path, cells)) {
      return MakeElevationError(path, ElevationFailure::kStrayText,
                                {.line = stray->line, .token = stray->text});
    }
  }
  if (driver == "ENVI") {
    if (const std::optional<ShortData> data = ShortEnviData(dataset)) {
      return MakeElevationError(path, ElevationFailure::kShortData,
                                {.needed = data->needed, .present = data->present});
    }
  }
  return std::nullopt;
}

// The value a cell holds where it has no data. A 32-bit float band holds the no-data value
// rounded to float, while GDAL hands it over as the double it was written as (0.1, say).
double CellNoData(double noData, GDALDataType type) {
  if (type == GDT_Float32 && std::fabs(noData) <= std::numeric_limits<float>::max()) {
    return static_cast<float>(noData);
  }
  return noData;
}

// The band's rows into field.z, north up, then each cell from the file's value to a height or to
// NaN. nullopt on success; the failure (with GDAL's words) when a read fails.
std::optional<ElevationError> ReadHeights(const std::string& path, GDALRasterBandH band,
                                          const GridPlacement& placement, double heightScale,
                                          HeightField& field) {
  for (int row = 0; row < field.height; ++row) {
    double* line = &field.At(0, placement.flipRows ? field.height - 1 - row : row);
    if (GDALRasterIO(band, GF_Read, 0, row, field.width, 1, line, field.width, 1, GDT_Float64, 0,
                     0) != CE_None) {
      return ReadFailure(path);
    }
    if (placement.flipColumns) std::reverse(line, line + field.width);
  }
  int hasNoData = 0;
  const double noData =
      CellNoData(GDALGetRasterNoDataValue(band, &hasNoData), GDALGetRasterDataType(band));
  const double scale = GDALGetRasterScale(band, nullptr);
  const double offset = GDALGetRasterOffset(band, nullptr);
  bool anyHeight = false;
  for (double& z : field.z) {
    const bool noDataCell = hasNoData != 0 && z == noData;
    z = noDataCell ? std::numeric_limits<double>::quiet_NaN() : (z * scale + offset) * heightScale;
    if (std::isfinite(z)) {
      anyHeight = true;
    } else {
      z = std::numeric_limits<double>::quiet_NaN();
    }
  }
  if (!anyHeight) return MakeElevationError(path, ElevationFailure::kNoHeights);
  return std::nullopt;
}

std::variant<HeightField, ElevationError> ReadDataset(const std::string& path,
                                                      const ElevationOptions& options) {
  // Every file GDAL opens for it, the label's data files included, regular or refused.
  const std::string gdalPath = RegularFilesOnlyPath(path);
  TakeRefusedFile();
  const Dataset dataset(
      GDALOpenEx(gdalPath.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, kDrivers, nullptr, nullptr));
  if (dataset == nullptr) {
    const std::string other = TakeRefusedFile();
    if (!other.empty()) {
      return MakeElevationError(path, ElevationFailure::kDataNotRegular, {.otherFile = other});
    }
    // A driver that knows the file but cannot open it means a damaged header; GDAL says why.
    const std::string words = GdalWords(path);  // before identifying, which may clear it
    // ENVI's driver does not tell its files by their bytes: a header beside it says it is one.
    if (GDALIdentifyDriverEx(gdalPath.c_str(), GDAL_OF_RASTER, kDrivers, nullptr) == nullptr &&
        !HasEnviHeader(path)) {
      return MakeElevationError(path, ElevationFailure::kUnknownFormat);
    }
    return MakeElevationError(path, ElevationFailure::kDamaged, {.outsideWords = words});
  }
  TakeRefusedFile();  // a side file refused as it opened (a FIFO for its .aux.xml) did not stop it
  const int bandCount = GDALGetRasterCount(dataset.get());
  if (bandCount < 1) return MakeElevationError(path, ElevationFailure::kNoBand);
  if (options.band < 1 || options.band > bandCount) {
    return MakeElevationError(path, ElevationFailure::kNoSuchBand,
                              {.band = options.band, .bandCount = bandCount});
  }
  const int width = GDALGetRasterXSize(dataset.get());
  const int height = GDALGetRasterYSize(dataset.get());
  const FailureFacts size{.width = width, .height = height};
  if (width > kMaxElevationSide || height > kMaxElevationSide ||
      static_cast<long long>(width) * height > kMaxElevationCells) {
    return MakeElevationError(path, ElevationFailure::kTooLarge, size);
  }
  if (auto failure = SilentZeros(path, dataset.get())) return *std::move(failure);
  const auto placement = PlaceGrid(dataset.get(), options.spacing);
  if (const auto* failure = std::get_if<ElevationFailure>(&placement)) {
    return MakeElevationError(path, *failure);
  }
  HeightField field;
  field.width = std::max(width, 0);
  field.height = std::max(height, 0);
  field.spacingX = std::get<GridPlacement>(placement).spacingX;
  field.spacingY = std::get<GridPlacement>(placement).spacingY;
  try {
    field.z.resize(static_cast<size_t>(field.width) * static_cast<size_t>(field.height));
  } catch (const std::bad_alloc&) {
    return MakeElevationError(path, ElevationFailure::kOutOfMemory, size);
  }
  if (auto failure = ReadHeights(path, GDALGetRasterBand(dataset.get(), options.band),
                                 std::get<GridPlacement>(placement), options.heightScale, field)) {
    return *std::move(failure);
  }
  return field;
}

}  // namespace

std::variant<HeightField, ElevationError> ReadElevationModel(const std::string& path,
                                                             const ElevationOptions& options) {
  const bool spacingUsable =
      !options.spacing || (std::isfinite(*options.spacing) && *options.spacing > 0.0);
  if (!spacingUsable || !std::isfinite(options.heightScale)) {
    return MakeElevationError(path, ElevationFailure::kBadOptions);
  }
  if (auto failure = CheckFile(path)) return *std::move(failure);
  const GdalSession session;
  return ReadDataset(path, options);
}
