#include "photometry/additional_laws.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "photometry/light_source.h"

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// McEwen, A. S. (1996), "A precise lunar photometric function", Lunar Planet. Sci. XXVII, 841:
// L(g) = 1 + A g + B g^2 + C g^3, g in degrees.
constexpr double kMcEwenA = -0.019;
constexpr double kMcEwenB = 0.000242;
constexpr double kMcEwenC = -0.00000146;

// The qualitative model of Oren and Nayar (1994): A = 1 - 0.5 s2 / (s2 + 0.33),
// B = 0.45 s2 / (s2 + 0.09), with s2 the squared slope spread in radians.
constexpr double kOrenNayarAScale = 0.5;
constexpr double kOrenNayarAOffset = 0.33;
constexpr double kOrenNayarBScale = 0.45;
constexpr double kOrenNayarBOffset = 0.09;

// sin of an angle from its cosine, 0 to pi: never negative, 0 for a cosine rounded beyond +-1.
double SinFromCos(double c) { return std::sqrt(std::max(0.0, 1.0 - c * c)); }

double FormulaPhi(double mu0, double mu, const LawConstants& law) {
  if (!law.settings.formula) return std::numeric_limits<double>::quiet_NaN();
  FormulaArguments arguments;
  arguments.ci = mu0;
  arguments.ce = mu;
  arguments.cg = law.cosG;
  arguments.i = std::acos(std::clamp(mu0, -1.0, 1.0));
  arguments.e = std::acos(std::clamp(mu, -1.0, 1.0));
  arguments.g = law.angleG;
  return law.settings.formula->Evaluate(arguments, law.settings.parameters);
}

double LawPhi(double mu0, double mu, const LawConstants& law) {
  if (law.kind == kFormula) return FormulaPhi(mu0, mu, law);
  if (law.phi == nullptr) return std::numeric_limits<double>::quiet_NaN();
  return law.phi(mu0, mu, law);
}

}  // namespace

LawConstants MakeLawConstants(const RenderState& state, double cosSlant) {
  LawConstants law;
  law.kind = state.reflectanceKind;
  if (!IsAdditionalLaw(law.kind)) return law;
  law.settings = state.law;
  law.cosG = cosSlant;
  law.angleG = PhaseAngle(state.sourceSlant);
  law.halfLength = std::sqrt(2.0 + 2.0 * law.cosG);
  if (const LawEntry* entry = FindLaw(law.kind)) {
    law.phi = entry->phi;
    if (entry->prepare != nullptr) entry->prepare(law);
  }
  return law;
}

double AdditionalLawPhiInDouble(double mu0, double mu, const LawConstants& law) {
  if (!(mu0 > 0.0)) return mu0;
  return LawPhi(mu0, mu, law);
}

float AdditionalLawPhi(float cosI, float cosE, const LawConstants& law) {
  // Facing away from the source: the shadow zones of the matte function, for every law.
  if (!(cosI > 0.0F)) return cosI;
  return static_cast<float>(LawPhi(cosI, cosE, law));
}

double MinnaertPhi(double mu0, double mu, double k) {
  return std::pow(mu0, k) * std::pow(mu, k - 1.0);
}

double LommelSeeligerPhi(double mu0, double mu) { return 2.0 * mu0 / (mu0 + mu); }

double LunarLambertPhi(double mu0, double mu, double weightL) {
  // A weight of 0 is the matte function, even where the other term is infinite.
  if (weightL == 0.0) return mu0;
  return weightL * LommelSeeligerPhi(mu0, mu) + (1.0 - weightL) * mu0;
}

double McEwenL(double gDegrees) {
  const double g = gDegrees;
  const double weight = 1.0 + kMcEwenA * g + kMcEwenB * g * g + kMcEwenC * g * g * g;
  // The cubic leaves 0 to 1 past about 105 degrees; L stays a weight there.
  return std::clamp(weight, 0.0, 1.0);
}

double OrenNayarRatio(double sigmaDegrees) {
  const double sigma = sigmaDegrees / kDegreesPerRadian;
  const double s2 = sigma * sigma;
  const double a = 1.0 - kOrenNayarAScale * s2 / (s2 + kOrenNayarAOffset);
  const double b = kOrenNayarBScale * s2 / (s2 + kOrenNayarBOffset);
  return b / a;
}

double OrenNayarPhi(double mu0, double mu, double cosG, double bOverA) {
  const double sinI = SinFromCos(mu0);
  const double sinE = SinFromCos(mu);
  const double sines = sinI * sinE;
  // With i or e at 0 the azimuths are undefined, but so is nothing: beta = 0 and tan(beta) = 0.
  if (!(sines > 0.0)) return mu0;
  const double cosAzimuth = std::clamp((cosG - mu0 * mu) / sines, -1.0, 1.0);
  // alpha = max(i, e) has the smaller cosine, beta = min(i, e) the larger (positive: mu0 > 0).
  const double sinAlpha = SinFromCos(std::min(mu0, mu));
  const double cosBeta = std::max(mu0, mu);
  const double tanBeta = SinFromCos(cosBeta) / cosBeta;
  return mu0 * (1.0 + bOverA * std::max(0.0, cosAzimuth) * sinAlpha * tanBeta);
}

double HenyeyGreenstein(double cosG, double xi) {
  return (1.0 - xi * xi) / std::pow(1.0 + 2.0 * xi * cosG + xi * xi, 1.5);
}

double HapkeH(double x, double gamma) { return (1.0 + 2.0 * x) / (1.0 + 2.0 * gamma * x); }

double HapkePhi(double mu0, double mu, const LawConstants& law) {
  const double multiple = HapkeH(mu0, law.hapkeGamma) * HapkeH(mu, law.hapkeGamma);
  return mu0 / (mu0 + mu) * (law.hapkePhasePart + multiple) / law.hapkeNormaliser;
}

double HalfVectorCos(double mu0, double mu, double halfLength) {
  if (!(halfLength > 0.0)) return 0.0;
  return std::max(0.0, (mu0 + mu) / halfLength);
}

double BlinnPhongPhi(double mu0, double mu, double s, double n, double halfLength) {
  return (1.0 - s) * mu0 + s * std::pow(HalfVectorCos(mu0, mu, halfLength), n);
}

double CookTorrancePhi(double mu0, double mu, const LawConstants& law) {
  const auto& p = law.settings.parameters;
  const double s = p[kCookTorranceS];
  const double diffuse = (1.0 - s) * mu0;
  const double cosH = HalfVectorCos(mu0, mu, law.halfLength);
  // No facet turns the light towards an observer behind the surface.
  if (!(cosH > 0.0) || !(mu > 0.0)) return diffuse;
  const double m = p[kCookTorranceM];
  const double cos2 = cosH * cosH;
  const double tan2 = (1.0 - cos2) / cos2;
  // Beckmann's D over its value at the normal, exp(-tan^2 / m^2) / cos^4.
  const double beckmannRatio = std::exp(-tan2 / (m * m)) / (cos2 * cos2);
  const double cosHalfG = law.halfLength / 2.0;
  const double shadowing = std::min({1.0, 2.0 * cosH * mu / cosHalfG, 2.0 * cosH * mu0 / cosHalfG});
  // D F G / (4 mu) over its value at i = e = g = 0, D(0) F0 / 4.
  return diffuse + s * beckmannRatio * law.fresnelRatio * shadowing / mu;
}
