#include <cmath>
#include <limits>

#include "recovery/photometric_stereo.h"
#include "recovery/row_blocks.h"
#include "recovery/stereo_lights.h"

namespace {

constexpr int kRowsPerBlock = 16;

}  // namespace

std::variant<RecoveredNormals, LightsError> WoodhamStereo(const RecoveryImages& images) {
  if (std::optional<LightsError> error = CheckLights(images.sources)) return *error;
  const StereoLights lights = MakeStereoLights(images);
  const size_t cells = images.Cells();
  RecoveredNormals normals{images.width,
                           images.height,
                           images.spacingX,
                           images.spacingY,
                           std::vector<double>(cells),
                           std::vector<double>(cells),
                           std::vector<double>(cells)};
  const size_t count = lights.Count();
  const double* inverse = lights.pseudoInverse.data();
  std::vector<const double*> image(count);
  for (size_t k = 0; k < count; ++k) image[k] = images.intensity[k].data();
  RunRowBlocks(images.height, kRowsPerBlock, [&](int first, int end) {
    std::vector<double> intensity(count);
    std::vector<char> lit(count);
    const size_t width = static_cast<size_t>(images.width);
    for (size_t cell = first * width; cell < end * width; ++cell) {
      // Cells lit in every image (the most) by the pseudo-inverse; NaN fails the comparison.
      double gx = 0.0, gy = 0.0, gz = 0.0;
      size_t litCount = 0;
      for (size_t k = 0; k < count; ++k) {
        const double value = image[k][cell];
        litCount += value > lights.litAbove ? 1 : 0;
        gx += inverse[k] * value;
        gy += inverse[count + k] * value;
        gz += inverse[2 * count + k] * value;
      }
      if (litCount != count) {
        Eigen::Vector3d g;
        const size_t usable = lights.Gather(images, cell, intensity.data(), lit.data());
        const bool solved = usable >= 3 && SolveLitSubset(lights, intensity.data(), lit.data(), g);
        gx = solved ? g.x() : 0.0;
        gy = solved ? g.y() : 0.0;
        gz = solved ? g.z() : 0.0;
      }
      // A normal turned away from the camera (or none) has no gradient.
      if (gz > 0.0) {
        normals.p[cell] = -gx / gz;
        normals.q[cell] = -gy / gz;
        normals.albedo[cell] = std::sqrt(gx * gx + gy * gy + gz * gz);
      } else {
        normals.p[cell] = normals.q[cell] = normals.albedo[cell] =
            std::numeric_limits<double>::quiet_NaN();
      }
    }
  });
  return normals;
}
