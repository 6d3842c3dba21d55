#include "recovery/law_intensity.h"

#include <algorithm>
#include <cmath>

namespace {

// Matte's values carry 16 digits, the other laws' about 7 (a 32-bit phi): the steps balance
// truncation against rounding.
constexpr double kMatteStep = 1e-6;
constexpr double kFloatLawStep = 1e-3;

}  // namespace

LawIntensity::LawIntensity(const RenderState& law, const LightAim& source)
    : field_(law, source),
      direction_(DirectionOf(source)),
      matte_(law.reflectanceKind == kMatte),
      step_(matte_ ? kMatteStep : kFloatLawStep) {}

double LawIntensity::operator()(Gradient gradient) const {
  if (matte_) {
    const double dot = -gradient.p * direction_.x - gradient.q * direction_.y + direction_.z;
    return std::max(0.0, dot / std::sqrt(1.0 + gradient.p * gradient.p + gradient.q * gradient.q));
  }
  const double phi = field_.Read(gradient).functionPhi;
  // A NaN phi (the rocky law's 0/0) is deep shadow, as the map paints it.
  return phi > 0.0 ? phi : 0.0;
}

LawIntensity::Slopes LawIntensity::WithSlopes(Gradient gradient) const {
  const double value = (*this)(gradient);
  const double alongP =
      ((*this)({gradient.p + step_, gradient.q}) - (*this)({gradient.p - step_, gradient.q})) /
      (2.0 * step_);
  const double alongQ =
      ((*this)({gradient.p, gradient.q + step_}) - (*this)({gradient.p, gradient.q - step_})) /
      (2.0 * step_);
  return {value, alongP, alongQ};
}
