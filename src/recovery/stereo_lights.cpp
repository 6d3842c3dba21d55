#include "recovery/stereo_lights.h"

#include <algorithm>
#include <cmath>

#include "recovery/photometric_stereo.h"
#include "recovery/row_blocks.h"

namespace {

// A 3 x 3 normal matrix whose determinant falls below this share of its trace cubed is singular.
constexpr double kSingularShare = 1e-9;

}  // namespace

StereoLights MakeStereoLights(const RecoveryImages& images) {
  StereoLights lights;
  const size_t count = images.sources.size();
  Eigen::MatrixX3d matrix(static_cast<Eigen::Index>(count), 3);
  for (size_t k = 0; k < count; ++k) {
    const SourceDirection d = DirectionOf(images.sources[k]);
    lights.directions.emplace_back(d.x, d.y, d.z);
    matrix.row(static_cast<Eigen::Index>(k)) = lights.directions.back().transpose();
  }
  const Eigen::Matrix3Xd inverse = (matrix.transpose() * matrix).ldlt().solve(matrix.transpose());
  lights.pseudoInverse.resize(3 * count);
  for (size_t row = 0; row < 3; ++row) {
    for (size_t k = 0; k < count; ++k) {
      lights.pseudoInverse[row * count + k] =
          inverse(static_cast<Eigen::Index>(row), static_cast<Eigen::Index>(k));
    }
  }
  // The brightest intensity of all the images, each block of rows its own.
  constexpr int kRowsPerBlock = 32;
  std::vector<double> brightest(static_cast<size_t>(images.height / kRowsPerBlock + 1), 0.0);
  RunRowBlocks(images.height, kRowsPerBlock, [&](int first, int end) {
    double block = 0.0;
    const size_t width = static_cast<size_t>(images.width);
    for (const std::vector<double>& image : images.intensity) {
      for (size_t cell = first * width; cell < end * width; ++cell) {
        if (image[cell] > block) block = image[cell];  // NaN never is
      }
    }
    brightest[static_cast<size_t>(first / kRowsPerBlock)] = block;
  });
  lights.litAbove = kShadowShare * *std::max_element(brightest.begin(), brightest.end());
  return lights;
}

size_t StereoLights::Gather(const RecoveryImages& images, size_t cell, double* intensity,
                            char* lit) const {
  size_t litCount = 0;
  for (size_t k = 0; k < Count(); ++k) {
    intensity[k] = images.intensity[k][cell];
    if (std::isnan(intensity[k])) return 0;
    lit[k] = intensity[k] > litAbove ? 1 : 0;
    litCount += static_cast<size_t>(lit[k]);
  }
  return litCount;
}

bool SolveLitSubset(const StereoLights& lights, const double* intensity, const char* lit,
                    Eigen::Vector3d& g) {
  Eigen::Matrix3d normal = Eigen::Matrix3d::Zero();
  Eigen::Vector3d right = Eigen::Vector3d::Zero();
  for (size_t k = 0; k < lights.Count(); ++k) {
    if (lit[k] == 0) continue;
    normal += lights.directions[k] * lights.directions[k].transpose();
    right += intensity[k] * lights.directions[k];
  }
  const double trace = normal.trace();
  if (!(normal.determinant() > kSingularShare * trace * trace * trace)) return false;
  g = normal.ldlt().solve(right);
  return true;
}
