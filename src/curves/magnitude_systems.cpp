#include "curves/magnitude_systems.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kA1 = 3.33;
constexpr double kB1 = 0.63;
constexpr double kA2 = 1.87;
constexpr double kB2 = 1.22;

}  // namespace

double HgPhase(double g, double slopeG) {
  const double t = std::tan(g / 2.0);
  const double phi1 = std::exp(-kA1 * std::pow(t, kB1));
  const double phi2 = std::exp(-kA2 * std::pow(t, kB2));
  return (1.0 - slopeG) * phi1 + slopeG * phi2;
}

double Hg1g2Phase(double g, double g1, double g2) {
  return g1 * MagnitudeBasis(1, g) + g2 * MagnitudeBasis(2, g) +
         (1.0 - g1 - g2) * MagnitudeBasis(3, g);
}

double ReducedMagnitude(double absoluteH, double phase) {
  if (!(phase > 0.0)) return std::numeric_limits<double>::infinity();
  return absoluteH - 2.5 * std::log10(phase);
}
