#include "elevation/grid_placement.h"

#include <ogr_srs_api.h>

#include <array>
#include <cmath>

namespace {

// What GDAL hands back for a dataset without georeferencing; a few drivers report it as set.
constexpr std::array<double, 6> kDefaultTransform = {0.0, 1.0, 0.0, 0.0, 0.0, 1.0};

bool Usable(double spacing) { return std::isfinite(spacing) && spacing > 0.0; }

// Turns a geographic grid's spacing from angles into the lengths along the ellipsoid at the
// grid's middle latitude: east-west along the parallel (the prime vertical's radius times the
// cosine), north-south along the meridian (its radius of curvature).
void AnglesToLengths(OGRSpatialReferenceH srs, double middleLatitude, GridPlacement& placement) {
  OGRErr error = OGRERR_NONE;
  const double semiMajor = OSRGetSemiMajor(srs, &error);
  const double inverseFlattening = OSRGetInvFlattening(srs, &error);
  const double flattening = inverseFlattening > 0.0 ? 1.0 / inverseFlattening : 0.0;
  const double eccentricitySquared = flattening * (2.0 - flattening);
  const double radiansPerUnit = OSRGetAngularUnits(srs, nullptr);
  const double latitude = middleLatitude * radiansPerUnit;
  const double sine = std::sin(latitude);
  const double w = std::sqrt(1.0 - eccentricitySquared * sine * sine);
  const double primeVertical = semiMajor / w;
  const double meridian = semiMajor * (1.0 - eccentricitySquared) / (w * w * w);
  placement.spacingX *= radiansPerUnit * primeVertical * std::cos(latitude);
  placement.spacingY *= radiansPerUnit * meridian;
}

}  // namespace

std::variant<GridPlacement, ElevationFailure> PlaceGrid(GDALDatasetH dataset,
                                                        std::optional<double> spacing) {
  std::array<double, 6> transform{};
  if (GDALGetGeoTransform(dataset, transform.data()) != CE_None || transform == kDefaultTransform) {
    const double given = spacing.value_or(1.0);
    return GridPlacement{given, given, false, false};
  }
  if (transform[2] != 0.0 || transform[4] != 0.0) return ElevationFailure::kRotated;
  GridPlacement placement{std::fabs(transform[1]), std::fabs(transform[5]), transform[5] > 0.0,
                          transform[1] < 0.0};
  if (!Usable(placement.spacingX) || !Usable(placement.spacingY)) {
    return ElevationFailure::kBadSpacing;
  }
  OGRSpatialReferenceH srs = GDALGetSpatialRef(dataset);
  if (srs != nullptr && OSRIsGeographic(srs)) {
    const double middleLatitude =
        transform[3] + transform[5] * 0.5 * static_cast<double>(GDALGetRasterYSize(dataset));
    AnglesToLengths(srs, middleLatitude, placement);
    if (!Usable(placement.spacingX) || !Usable(placement.spacingY)) {
      return ElevationFailure::kBadSpacing;
    }
  }
  return placement;
}
