#include <algorithm>
#include <limits>

#include "pass/worker_pool.h"
#include "recovery/photometric_stereo.h"
#include "recovery/stereo_lights.h"

namespace {

constexpr int kRowsPerBlock = 16;

}  // namespace

std::variant<RecoveredNormals, LightsError> WoodhamStereo(const RecoveryImages& images) {
  if (std::optional<LightsError> error = CheckLights(images.sources)) return *error;
  const StereoLights lights = MakeStereoLights(images);
  const size_t cells = images.Cells();
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  RecoveredNormals normals{images.width,
                           images.height,
                           images.spacingX,
                           images.spacingY,
                           std::vector<double>(cells, kNone),
                           std::vector<double>(cells, kNone),
                           std::vector<double>(cells, kNone)};
  const size_t count = lights.Count();
  const double* inverse = lights.pseudoInverse.data();
  const auto solveRows = [&](int block) {
    std::vector<double> intensity(count);
    std::vector<char> lit(count);
    const size_t width = static_cast<size_t>(images.width);
    const size_t begin = static_cast<size_t>(block) * kRowsPerBlock * width;
    const size_t end = std::min(cells, begin + kRowsPerBlock * width);
    for (size_t cell = begin; cell < end; ++cell) {
      const size_t litCount = lights.Gather(images, cell, intensity.data(), lit.data());
      Eigen::Vector3d g = Eigen::Vector3d::Zero();
      if (litCount == count) {
        for (size_t k = 0; k < count; ++k) {
          g.x() += inverse[k] * intensity[k];
          g.y() += inverse[count + k] * intensity[k];
          g.z() += inverse[2 * count + k] * intensity[k];
        }
      } else if (litCount < 3 || !SolveLitSubset(lights, intensity.data(), lit.data(), g)) {
        continue;
      }
      // A normal turned away from the camera has no gradient.
      if (!(g.z() > 0.0)) continue;
      normals.p[cell] = -g.x() / g.z();
      normals.q[cell] = -g.y() / g.z();
      normals.albedo[cell] = g.norm();
    }
  };
  PassPool().Run(static_cast<int>((images.height + kRowsPerBlock - 1) / kRowsPerBlock), solveRows);
  return normals;
}
