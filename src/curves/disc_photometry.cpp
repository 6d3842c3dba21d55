#include "curves/disc_photometry.h"

#include <cmath>
#include <numbers>

#include "curves/gauss_legendre.h"
#include "curves/phase_law.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr int kLongitudeNodes = 40;
constexpr int kLatitudeNodes = 20;
constexpr int kPhaseNodes = 96;

const QuadratureRule& LongitudeRule() {
  static const QuadratureRule kRule = GaussLegendre(kLongitudeNodes);
  return kRule;
}

// Latitudes 0 to pi/2: the lit, visible part is symmetric about the equator.
const QuadratureRule& LatitudeRule() {
  static const QuadratureRule kRule =
      GaussLegendreOn(GaussLegendre(kLatitudeNodes), 0.0, std::numbers::pi / 2.0);
  return kRule;
}

}  // namespace

AlbedoKind AlbedoKindOf(int32_t reflectanceKind) {
  switch (reflectanceKind) {
    case kMatte:
      return AlbedoKind::kLambert;
    case kLommelSeeliger:
      return AlbedoKind::kSingleScattering;
    case kHapke:
    case kHapkeRough:
      return AlbedoKind::kLawParameter;
    default:
      return AlbedoKind::kNormal;
  }
}

double NormalAlbedo(const RenderState& state, double albedo) {
  switch (AlbedoKindOf(state.reflectanceKind)) {
    case AlbedoKind::kSingleScattering:
      return albedo / 8.0;
    case AlbedoKind::kLawParameter: {
      const LawConstants law = MakeLawConstants(state, 1.0);
      return state.law.parameters[kHapkeW] / 4.0 * law.hapkeNormaliser;
    }
    default:
      return albedo;
  }
}

double DiscIntegral(const RenderState& state, double g) {
  const PhaseLaw law(state, g);
  const QuadratureRule longitudes =
      GaussLegendreOn(LongitudeRule(), g - std::numbers::pi / 2.0, std::numbers::pi / 2.0);
  const QuadratureRule& latitudes = LatitudeRule();
  double sum = 0.0;
  for (size_t a = 0; a < longitudes.nodes.size(); ++a) {
    const double cosL = std::cos(longitudes.nodes[a]);
    const double cosLminusG = std::cos(longitudes.nodes[a] - g);
    double strip = 0.0;
    for (size_t b = 0; b < latitudes.nodes.size(); ++b) {
      const double cosB = std::cos(latitudes.nodes[b]);
      const double mu = cosB * cosL;
      const double mu0 = cosB * cosLminusG;
      if (!(mu > 0.0) || !(mu0 > 0.0)) continue;
      const double phi = law.Phi(mu0, mu);
      if (std::isfinite(phi)) strip += latitudes.weights[b] * phi * mu * cosB;
    }
    sum += longitudes.weights[a] * strip;
  }
  return 2.0 * sum;
}

std::optional<DiscPhotometry> ComputeDiscPhotometry(const RenderState& state, double albedo) {
  if (state.reflectanceKind == kMirror) return std::nullopt;
  const double atZero = DiscIntegral(state, 0.0);
  if (!(atZero > 0.0) || !std::isfinite(atZero)) return std::nullopt;
  static const QuadratureRule kPhases =
      GaussLegendreOn(GaussLegendre(kPhaseNodes), 0.0, std::numbers::pi);
  double integral = 0.0;
  for (size_t k = 0; k < kPhases.nodes.size(); ++k) {
    const double g = kPhases.nodes[k];
    integral += kPhases.weights[k] * DiscIntegral(state, g) / atZero * std::sin(g);
  }
  DiscPhotometry photometry;
  photometry.geometricAlbedo = NormalAlbedo(state, albedo) * atZero / std::numbers::pi;
  photometry.phaseIntegral = 2.0 * integral;
  photometry.sphericalAlbedo = photometry.geometricAlbedo * photometry.phaseIntegral;
  return photometry;
}
