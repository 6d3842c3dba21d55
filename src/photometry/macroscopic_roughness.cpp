#include "photometry/macroscopic_roughness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// B. Hapke, Bidirectional reflectance spectroscopy. 3. Correction for macroscopic roughness,
// Icarus 59, 41-59 (1984): chi, E1, E2, the effective cosines of its eqs. 47 and 48 (i <= e) and
// 50 and 51 (e <= i) with the shadowing function S beside each pair, and eta(y), the effective
// cosine at psi = 0 (eqs. 12.48 and 12.49 of its book, Theory of reflectance and emittance
// spectroscopy, 1993). S is the published approximation: it passes 1 by a few per cent where a
// nearly vertical incidence meets a grazing emission at a wide azimuth.

namespace {

constexpr double kPi = std::numbers::pi;

double SinFromCos(double c) { return std::sqrt(std::max(0.0, 1.0 - c * c)); }

// E1(y) = exp(-(2/pi) cot(theta) cot(y)), E2(y) = exp(-(1/pi) cot^2(theta) cot^2(y)); both 0 at
// y = 0, where cot(y) is infinite.
struct Exponentials {
  double e1 = 0.0;
  double e2 = 0.0;
};

Exponentials ExponentialsAt(double cosY, double sinY, const RoughnessConstants& rough) {
  if (!(sinY > 0.0)) return {};
  const double product = rough.cotTheta * cosY / sinY;
  return {std::exp(-2.0 / kPi * product), std::exp(-product * product / kPi)};
}

// eta(y) = chi [cos y + sin y tan(theta) E2(y) / (2 - E1(y))]: the effective cosine at psi = 0.
double Eta(double cosY, double sinY, const Exponentials& ey, const RoughnessConstants& rough) {
  return rough.chi * (cosY + sinY * rough.tanTheta * ey.e2 / (2.0 - ey.e1));
}

}  // namespace

RoughnessConstants MakeRoughness(double thetaBarDegrees) {
  RoughnessConstants rough;
  if (!(thetaBarDegrees > 0.0)) return rough;
  rough.tanTheta = std::tan(thetaBarDegrees * kPi / 180.0);
  rough.cotTheta = 1.0 / rough.tanTheta;
  rough.chi = 1.0 / std::sqrt(1.0 + kPi * rough.tanTheta * rough.tanTheta);
  return rough;
}

EffectiveCosines RoughSurface(double mu0, double mu, double cosG, const RoughnessConstants& rough) {
  if (!(rough.tanTheta > 0.0) || !(mu0 > 0.0) || !(mu > 0.0)) return {mu0, mu, 1.0};
  const double sinI = SinFromCos(mu0);
  const double sinE = SinFromCos(mu);
  // With i or e at 0 the azimuth is undefined, and nothing depends on it: E1 = E2 = 0 there.
  const double sines = sinI * sinE;
  const double cosPsi = sines > 0.0 ? std::clamp((cosG - mu0 * mu) / sines, -1.0, 1.0) : 1.0;
  const double psi = std::acos(cosPsi);
  const double halfSin2 = (1.0 - cosPsi) / 2.0;  // sin^2(psi / 2)
  // f(psi) = exp(-2 tan(psi / 2)), 0 at psi = pi.
  const double f = psi < kPi ? std::exp(-2.0 * std::tan(psi / 2.0)) : 0.0;
  const Exponentials ei = ExponentialsAt(mu0, sinI, rough);
  const Exponentials ee = ExponentialsAt(mu, sinE, rough);
  const double etaI = Eta(mu0, sinI, ei, rough);
  const double etaE = Eta(mu, sinE, ee, rough);

  EffectiveCosines c;
  if (mu0 >= mu) {
    // i <= e
    const double denominator = 2.0 - ee.e1 - psi / kPi * ei.e1;
    c.mu0e = rough.chi *
             (mu0 + sinI * rough.tanTheta * (cosPsi * ee.e2 + halfSin2 * ei.e2) / denominator);
    c.mue = rough.chi * (mu + sinE * rough.tanTheta * (ee.e2 - halfSin2 * ei.e2) / denominator);
    c.shadowing = c.mue / etaE * mu0 / etaI * rough.chi / (1.0 - f + f * rough.chi * mu0 / etaI);
  } else {
    // e <= i
    const double denominator = 2.0 - ei.e1 - psi / kPi * ee.e1;
    c.mu0e = rough.chi * (mu0 + sinI * rough.tanTheta * (ei.e2 - halfSin2 * ee.e2) / denominator);
    c.mue = rough.chi *
            (mu + sinE * rough.tanTheta * (cosPsi * ei.e2 + halfSin2 * ee.e2) / denominator);
    c.shadowing = c.mue / etaE * mu0 / etaI * rough.chi / (1.0 - f + f * rough.chi * mu / etaE);
  }
  return c;
}
