#include "recovery/light_check.h"

#include <Eigen/Dense>
#include <cmath>

std::optional<LightsError> CheckLights(const std::vector<LightAim>& sources) {
  const size_t count = sources.size();
  if (count < 3) {
    return LightsError{LightsFault::kTooFew,
                       "Для фотометрического стерео нужно не меньше трёх источников, задано " +
                           std::to_string(count) + "."};
  }
  Eigen::MatrixX3d lights(static_cast<Eigen::Index>(count), 3);
  for (size_t k = 0; k < count; ++k) {
    const SourceDirection d = DirectionOf(sources[k]);
    // Each component was stored as a 32-bit float: a unit vector again.
    lights.row(static_cast<Eigen::Index>(k)) = Eigen::RowVector3d(d.x, d.y, d.z).normalized();
  }
  for (size_t a = 0; a < count; ++a) {
    for (size_t b = a + 1; b < count; ++b) {
      const Eigen::Vector3d first = lights.row(static_cast<Eigen::Index>(a));
      const Eigen::Vector3d second = lights.row(static_cast<Eigen::Index>(b));
      if (first.dot(second) > 0.0 && first.cross(second).norm() < std::sin(kCoincidentAngle)) {
        return LightsError{LightsFault::kCoincident,
                           "Источники " + std::to_string(a + 1) + " и " + std::to_string(b + 1) +
                               " светят с одного направления: задайте им разные наклоны или "
                               "азимуты."};
      }
    }
  }
  // The singular values of the k x 3 matrix are the roots of LtL's eigenvalues (ascending).
  const Eigen::Matrix3d normal = lights.transpose() * lights;
  const Eigen::Vector3d eigen =
      Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d>(normal).eigenvalues();
  if (!(std::sqrt(std::max(0.0, eigen(0))) >= kCoplanarRatio * std::sqrt(eigen(2)))) {
    return LightsError{LightsFault::kCoplanar,
                       "Направления источников лежат в одной плоскости: по их снимкам нормаль "
                       "не определить. Разведите источники по наклону и азимуту."};
  }
  return std::nullopt;
}
