#include "recovery/recovery_images.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "recovery/law_intensity.h"

namespace {

constexpr double kGreyLevels = 255.0;

double Quantised(double value, int bits) {
  const double levels = bits == 8 ? 255.0 : 65535.0;
  return std::nearbyint(std::clamp(value, 0.0, 1.0) * levels) / levels;
}

}  // namespace

double PortableNormal::Uniform() {
  const uint64_t bits = (uint64_t{generator_()} << 32) | generator_();
  return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

double PortableNormal::Next() {
  if (hasSpare_) {
    hasSpare_ = false;
    return spare_;
  }
  // 1 - u lies in (0, 1]: the logarithm stays finite.
  const double radius = std::sqrt(-2.0 * std::log(1.0 - Uniform()));
  const double angle = 2.0 * std::numbers::pi * Uniform();
  spare_ = radius * std::sin(angle);
  hasSpare_ = true;
  return radius * std::cos(angle);
}

RecoveryImages MakeRecoveryImages(const RenderState& law, const SurfaceScene& scene,
                                  const std::vector<LightAim>& sources, const CameraModel& camera) {
  const HeightField& field = scene.field;
  RecoveryImages images{field.width, field.height, field.spacingX, field.spacingY, sources, {}, {}};
  const size_t cells = images.Cells();
  PortableNormal noise(camera.seed);
  for (const LightAim& source : sources) {
    const LawIntensity intensityOf(law, source);
    std::vector<double> image(cells);
    for (size_t cell = 0; cell < cells; ++cell) {
      const Gradient& g = scene.gradients.pq[cell];
      if (std::isnan(g.p)) {
        image[cell] = std::numeric_limits<double>::quiet_NaN();
        continue;
      }
      const double albedo = scene.albedo.empty() ? 1.0 : scene.albedo[cell];
      double value = albedo * intensityOf(g);
      if (camera.noiseLevels > 0.0) value += camera.noiseLevels / kGreyLevels * noise.Next();
      image[cell] = camera.bits == 0 ? value : Quantised(value, camera.bits);
    }
    images.intensity.push_back(std::move(image));
  }
  return images;
}
