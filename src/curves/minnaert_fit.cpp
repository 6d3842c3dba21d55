#include "curves/minnaert_fit.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr int kLeastPoints = 3;

}  // namespace

std::optional<MinnaertFit> FitMinnaert(const std::vector<ProfileSample>& samples) {
  std::vector<double> xs;
  std::vector<double> ys;
  for (const ProfileSample& sample : samples) {
    if (!sample.readout) continue;
    const double mu0 = std::cos(sample.readout->angleI * kRadiansPerDegree);
    const double mu = std::cos(sample.readout->angleE * kRadiansPerDegree);
    const double phi = sample.readout->reading.functionPhi;
    if (!(mu0 > kMinnaertLeastCos) || !(mu > kMinnaertLeastCos) || !(phi > 0.0)) continue;
    if (!std::isfinite(phi)) continue;
    xs.push_back(std::log10(mu0 * mu));
    ys.push_back(std::log10(mu * phi));
  }
  const size_t n = xs.size();
  if (n < kLeastPoints) return std::nullopt;
  double meanX = 0.0;
  double meanY = 0.0;
  for (size_t k = 0; k < n; ++k) meanX += xs[k], meanY += ys[k];
  meanX /= static_cast<double>(n);
  meanY /= static_cast<double>(n);
  double sxx = 0.0;
  double sxy = 0.0;
  for (size_t k = 0; k < n; ++k) {
    sxx += (xs[k] - meanX) * (xs[k] - meanX);
    sxy += (xs[k] - meanX) * (ys[k] - meanY);
  }
  if (!(sxx > 0.0)) return std::nullopt;
  MinnaertFit fit;
  fit.k = sxy / sxx;
  const double intercept = meanY - fit.k * meanX;
  fit.b0 = std::pow(10.0, intercept);
  double scatter = 0.0;
  for (size_t k = 0; k < n; ++k) {
    const double r = ys[k] - intercept - fit.k * xs[k];
    scatter += r * r;
  }
  fit.kUncertainty = std::sqrt(scatter / static_cast<double>(n - 2) / sxx);
  fit.points = static_cast<int>(n);
  return fit;
}
