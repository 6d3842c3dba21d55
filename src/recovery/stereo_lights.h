#pragma once
// What both photometric stereo solvers know of the sources before any cell: their directions, the
// pseudo-inverse (L^T L)^-1 L^T of the light matrix for cells lit in every image, and the
// intensity above which a cell counts as lit.

#include <Eigen/Dense>
#include <vector>

#include "recovery/recovery_images.h"

struct StereoLights {
  std::vector<Eigen::Vector3d> directions;
  std::vector<double> pseudoInverse;  // 3 rows of one entry a source
  double litAbove = 0.0;

  size_t Count() const { return directions.size(); }
  // Copies the cell's intensities into `intensity` (one a source), flags those lit in `lit` and
  // returns how many are; 0 for a cell without data.
  size_t Gather(const RecoveryImages& images, size_t cell, double* intensity, char* lit) const;
};

// The sources must have passed CheckLights.
StereoLights MakeStereoLights(const RecoveryImages& images);

// g = albedo N from the lit images of a cell by the normal equations of that subset; false when
// the lit sources lie (nearly) in one plane.
bool SolveLitSubset(const StereoLights& lights, const double* intensity, const char* lit,
                    Eigen::Vector3d& g);
