#include "photometry/coherent_backscatter.h"

#include <cmath>

double CoherentBackscatter(double angleG, double amplitude, double width) {
  const double z = std::tan(angleG / 2.0) / width;
  // (1 - exp(-z)) / z tends to 1 as z does to 0; expm1 keeps it exact for a small z.
  const double spread = z > 0.0 ? -std::expm1(-z) / z : 1.0;
  return amplitude * (1.0 + spread) / (2.0 * (1.0 + z) * (1.0 + z));
}
