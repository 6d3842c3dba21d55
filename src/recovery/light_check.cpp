#include "recovery/light_check.h"

#include <Eigen/Dense>
#include <cmath>
#include <utility>

namespace {

LightsError Refused(LightsFault fault, Message said, Message reason) {
  std::string message = RussianText(said);
  return LightsError{fault, std::move(message), std::move(said), std::move(reason)};
}

}  // namespace

std::optional<LightsError> CheckLights(const std::vector<LightAim>& sources) {
  const size_t count = sources.size();
  if (count < 3) {
    const MessagePart given = VerbatimPart(std::to_string(count));
    return Refused(
        LightsFault::kTooFew,
        CoreMessageOf(
            GS_TRANSLATE_NOOP(
                "CoreMessages",
                "Для фотометрического стерео нужно не меньше трёх источников, задано %1."),
            {given}),
        CoreMessageOf(GS_TRANSLATE_NOOP(
                          "CoreMessages",
                          "для фотометрического стерео нужно не меньше трёх источников, задано %1"),
                      {given}));
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
        const std::vector<MessagePart> pair = {VerbatimPart(std::to_string(a + 1)),
                                               VerbatimPart(std::to_string(b + 1))};
        return Refused(LightsFault::kCoincident,
                       CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages",
                                                       "Источники %1 и %2 светят с одного "
                                                       "направления: задайте им разные наклоны "
                                                       "или азимуты."),
                                     pair),
                       CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages",
                                                       "источники %1 и %2 светят с одного "
                                                       "направления: задайте им разные наклоны "
                                                       "или азимуты"),
                                     pair));
      }
    }
  }
  // The singular values of the k x 3 matrix are the roots of LtL's eigenvalues (ascending).
  const Eigen::Matrix3d normal = lights.transpose() * lights;
  const Eigen::Vector3d eigen =
      Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d>(normal).eigenvalues();
  if (!(std::sqrt(std::max(0.0, eigen(0))) >= kCoplanarRatio * std::sqrt(eigen(2)))) {
    return Refused(LightsFault::kCoplanar,
                   CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages",
                                                   "Направления источников лежат в одной "
                                                   "плоскости: по их снимкам нормаль не "
                                                   "определить. Разведите источники по наклону и "
                                                   "азимуту.")),
                   CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages",
                                                   "направления источников лежат в одной "
                                                   "плоскости: по их снимкам нормаль не "
                                                   "определить. Разведите источники по наклону и "
                                                   "азимуту")));
  }
  return std::nullopt;
}
