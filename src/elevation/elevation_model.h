#pragma once
// Reading a real elevation model (a raster of heights) into a HeightField through GDAL: GeoTIFF,
// the ASCII grid, ENVI, PDS and ISIS3 cubes, 8- and 16-bit PNG. The grid comes out north up: row
// 0 is the northern row and columns run east, whatever the order the file keeps them in.
//
// - Spacing: the file's georeferencing wins where it has one (the geotransform's pixel size; for
//   a grid in geographic coordinates, degrees turned into the ellipsoid's units at the grid's
//   middle latitude, as the heights are taken to be in those units). A file without it takes the
//   spacing the user gave, else 1.
// - Heights: the band's scale and offset applied, then multiplied by the height scale. A cell
//   equal to the band's no-data value, and a NaN or an infinity in the file, is no data (NaN).
// - Refused, before any data is read: a grid larger than kMaxElevationCells cells or with a side
//   longer than kMaxElevationSide, a rotated geotransform, a band that is not in the file.
//
// Every failure is one ElevationError whose Russian message names the file and the reason; GDAL
// prints nothing. Safe to call from several threads at once.

#include <optional>
#include <string>
#include <variant>

#include "model/height_field.h"
#include "model/message.h"

inline constexpr long long kMaxElevationCells = 50'000'000;
inline constexpr int kMaxElevationSide = 20'000;

struct ElevationOptions {
  // Between two cells, for a file without georeferencing; > 0.
  std::optional<double> spacing = std::nullopt;
  double heightScale = 1.0;  // the vertical exaggeration: multiplies every height
  int band = 1;              // counted from 1, as GDAL does
};

enum class ElevationFailure {
  kBadOptions,      // a spacing that is not positive, a height scale that is not finite
  kMissing,         // no such file
  kNotRegularFile,  // a folder, a FIFO, a device
  kDataNotRegular,  // a file the dataset names beside it (a label's data) is not a regular file
  kUnreadable,      // the system refuses to open it
  kEmpty,           // zero bytes
  kUnknownFormat,   // none of the formats above recognises it
  kDamaged,         // a format recognises it, but its header does not open
  kNoBand,          // a raster without bands
  kNoSuchBand,      // the band asked for is not in the file
  kRotated,         // a geotransform with rotation terms
  kBadSpacing,      // the georeferencing gives a zero or non-finite cell size
  kTooLarge,        // beyond kMaxElevationCells or kMaxElevationSide
  kOutOfMemory,     // the heights did not fit in memory
  kReadFailed,      // the data could not be read (an I/O error, a truncated file)
  kStrayText,       // an ASCII grid with a token among its cells that is not a number
  kShortData,       // an ENVI data file shorter than its header's offset and cells
  kNoHeights,       // every cell is no data
};

struct ElevationError {
  ElevationFailure failure = ElevationFailure::kMissing;
  std::string message;  // «Не удалось прочитать модель рельефа «name»: <reason>.»
  Message said = {};  // the same message, for the language in use
};

std::variant<HeightField, ElevationError> ReadElevationModel(const std::string& path,
                                                             const ElevationOptions& options = {});
