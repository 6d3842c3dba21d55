#pragma once
// Where an elevation model's cells lie: the spacing between them and whether the file's rows and
// columns must be turned round for the grid to come out north up, with columns running east.

#include <gdal.h>

#include <optional>
#include <variant>

#include "elevation/elevation_model.h"

struct GridPlacement {
  double spacingX = 1.0;
  double spacingY = 1.0;
  bool flipRows = false;     // the file keeps its southern row first
  bool flipColumns = false;  // the file keeps its eastern column first
};

// From the dataset's geotransform, where it has one: the pixel size |gt[1]|, |gt[5]| (turned from
// degrees into the ellipsoid's units for a geographic grid) and the signs of gt[1] and gt[5].
// Without one, `spacing` (else 1) both ways and the file's order. kRotated for a geotransform with
// rotation terms, kBadSpacing for a pixel size of zero or one that is not finite.
std::variant<GridPlacement, ElevationFailure> PlaceGrid(GDALDatasetH dataset,
                                                        std::optional<double> spacing);
