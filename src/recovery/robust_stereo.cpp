#include "recovery/robust_stereo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "recovery/row_blocks.h"
#include "recovery/stereo_lights.h"

namespace {

constexpr int kRowsPerBlock = 16;

// The largest |I_k - g.S_k| over the samples flagged in `used`; `residual` gets every sample's
// I_k - g.S_k.
double LargestMiss(const StereoLights& lights, const double* intensity, const char* used,
                   const Eigen::Vector3d& g, std::vector<double>& residual) {
  double largest = 0.0;
  for (size_t k = 0; k < lights.Count(); ++k) {
    residual[k] = intensity[k] - g.dot(lights.directions[k]);
    if (used[k] != 0) largest = std::max(largest, std::abs(residual[k]));
  }
  return largest;
}

// Leaves out one sample of `used` by the rule of the header; false when neither the brightest
// nor the darkest disagrees the way that would explain the miss (or no fit is left).
bool LeaveOneOut(const StereoLights& lights, const double* intensity, char* used,
                 Eigen::Vector3d& g, std::vector<double>& residual) {
  size_t brightest = lights.Count(), darkest = lights.Count();
  for (size_t k = 0; k < lights.Count(); ++k) {
    if (used[k] == 0) continue;
    if (brightest == lights.Count() || intensity[k] > intensity[brightest]) brightest = k;
    if (darkest == lights.Count() || intensity[k] < intensity[darkest]) darkest = k;
  }
  size_t candidates[2];
  size_t count = 0;
  if (residual[brightest] > 0.0) candidates[count++] = brightest;
  if (residual[darkest] < 0.0 && darkest != brightest) candidates[count++] = darkest;
  double best = std::numeric_limits<double>::infinity();
  size_t chosen = lights.Count();
  Eigen::Vector3d chosenFit = g;
  std::vector<double> trial(lights.Count());
  for (size_t c = 0; c < count; ++c) {
    used[candidates[c]] = 0;
    Eigen::Vector3d fit = g;
    if (SolveLitSubset(lights, intensity, used, fit)) {
      const double miss = LargestMiss(lights, intensity, used, fit, trial);
      if (miss < best) {  // the brightest first: it keeps a tie
        best = miss;
        chosen = candidates[c];
        chosenFit = fit;
      }
    }
    used[candidates[c]] = 1;
  }
  if (chosen == lights.Count()) return false;
  used[chosen] = 0;
  g = chosenFit;
  LargestMiss(lights, intensity, used, g, residual);
  return true;
}

}  // namespace

std::variant<RobustNormals, LightsError> RobustStereo(const RecoveryImages& images) {
  if (std::optional<LightsError> error = CheckLights(images.sources)) return *error;
  const StereoLights lights = MakeStereoLights(images);
  const size_t cells = images.Cells();
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  RobustNormals result;
  result.normals = RecoveredNormals{images.width,
                                    images.height,
                                    images.spacingX,
                                    images.spacingY,
                                    std::vector<double>(cells, kNone),
                                    std::vector<double>(cells, kNone),
                                    std::vector<double>(cells, kNone)};
  RecoveredNormals& normals = result.normals;
  const size_t count = lights.Count();
  std::vector<int64_t> rejected(static_cast<size_t>(images.height), 0);  // each row's
  RunRowBlocks(images.height, kRowsPerBlock, [&](int first, int end) {
    std::vector<double> intensity(count), residual(count);
    std::vector<char> used(count);
    const size_t width = static_cast<size_t>(images.width);
    for (int row = first; row < end; ++row) {
      int64_t rowRejected = 0;
      for (size_t cell = row * width; cell < (row + 1) * width; ++cell) {
        size_t left = lights.Gather(images, cell, intensity.data(), used.data());
        Eigen::Vector3d g = Eigen::Vector3d::Zero();
        if (left < 3 || !SolveLitSubset(lights, intensity.data(), used.data(), g)) continue;
        double miss = LargestMiss(lights, intensity.data(), used.data(), g, residual);
        while (left > 3 && miss > kRejectAbove &&
               LeaveOneOut(lights, intensity.data(), used.data(), g, residual)) {
          --left;
          ++rowRejected;
          miss = LargestMiss(lights, intensity.data(), used.data(), g, residual);
        }
        // A normal turned away from the camera has no gradient.
        if (!(g.z() > 0.0)) continue;
        normals.p[cell] = -g.x() / g.z();
        normals.q[cell] = -g.y() / g.z();
        normals.albedo[cell] = g.norm();
      }
      rejected[static_cast<size_t>(row)] = rowRejected;
    }
  });
  result.rejectedSamples = std::accumulate(rejected.begin(), rejected.end(), int64_t{0});
  return result;
}
