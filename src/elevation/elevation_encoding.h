#pragma once
// A height field as an elevation model's bytes, for GIS tools: a GeoTIFF (one Float64 band) or
// an ASCII grid, north up, one cell a pixel, the grid's spacing as its cell size (the x origin
// at 0, the y origin at the bottom edge), cells without data as the no-data value. Encoded in
// memory through GDAL, so that the caller writes the file whole or not at all.

#include <optional>
#include <string>

#include "model/height_field.h"

enum class ElevationFormat { kGeoTiff, kAsciiGrid };

// The file's bytes; nothing when GDAL could not encode the field (an empty grid).
std::optional<std::string> EncodeElevationModel(const HeightField& field, ElevationFormat format);

// The format a file name asks for by its extension (.tif, .tiff, .asc, any letter case).
std::optional<ElevationFormat> ElevationFormatOf(const std::string& path);
