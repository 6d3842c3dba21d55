#pragma once
// How far a recovered surface lies from the true one. Over the cells where both have data:
// - the angle between the true and the recovered normals, its mean and median in degrees;
// - the depth error over the object: the cells with heights and, when normals are given, a
//   recovered normal, each connected region of them (recovered_regions.h) shifted to the true
//   mean of its own cells, since nothing ties the heights of regions an unrecovered rim parts;
//   its root mean square, in the heights' units and as a percentage of the true heights' range
//   over those cells;
// - the three measures of the 1999 survey of shape from shading: the mean and the standard
//   deviation of the absolute depth error (aligned as above), and the mean gradient error, the
//   mean of sqrt((p - p')^2 + (q - q')^2).
// The true gradients are the height field's (GradientsOf); the recovered ones are the normals
// given, or else the recovered heights' own. A measure with no cell to take it over is NaN.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "model/height_field.h"
#include "recovery/recovered_normals.h"

struct RecoveryReport {
  static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  double meanAngularErrorDeg = kNone;
  double medianAngularErrorDeg = kNone;
  double depthRms = kNone;
  double depthRmsPercent = kNone;
  double meanDepthError = kNone;
  double stdDepthError = kNone;
  double meanGradientError = kNone;
  int64_t recoveredPixels = 0;  // cells recovered where the truth has data
};

// `heights` or `normals` may be null (not both): the depth measures need heights, and the
// recovered pixels are counted from the normals when given.
RecoveryReport MeasureRecovery(const HeightField& truth, const HeightField* heights,
                               const RecoveredNormals* normals);

// What to add to `heights` to give them the truth's mean over the cells where both have data (the
// depth measures' alignment where those cells are one region); 0 where there is no such cell. The
// grids are the same.
double MeanHeightShift(const HeightField& truth, const HeightField& heights);

// The angle between the true and the recovered normal of each cell, in degrees (the measure whose
// mean and median the report gives); NaN where either is missing. `normals` has truth's grid.
std::vector<double> AngularErrors(const HeightField& truth, const RecoveredNormals& normals);

// The gradients of heights by central differences (surface_gradients.h), albedo 1 where they
// exist: the normals of a method that recovers heights.
RecoveredNormals NormalsOfHeights(const HeightField& heights);

// One `name=value` line a measure, in the struct's order: mean_angular_error_deg,
// median_angular_error_deg, depth_rms, depth_rms_percent, mean_depth_error, std_depth_error,
// mean_gradient_error, recovered_pixels. Numbers in the C format, 6 significant digits.
std::string FormatRecoveryReport(const RecoveryReport& report);
