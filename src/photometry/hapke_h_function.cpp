#include "photometry/hapke_h_function.h"

#include <cmath>

double DiffusiveReflectance(double w) {
  const double gamma = std::sqrt(1.0 - w);
  return (1.0 - gamma) / (1.0 + gamma);
}

double HapkeH2002(double x, double w, double r0) {
  if (!(x > 0.0)) return 1.0;
  const double logarithm = std::log((1.0 + x) / x);
  return 1.0 / (1.0 - w * x * (r0 + (1.0 - 2.0 * r0 * x) / 2.0 * logarithm));
}
