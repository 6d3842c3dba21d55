#include "photometry/gradient_space.h"

#include <cmath>

Point3 GradientNormal(const Gradient& gradient) {
  const double length = std::sqrt(1.0 + gradient.p * gradient.p + gradient.q * gradient.q);
  return {static_cast<float>(-gradient.p / length), static_cast<float>(-gradient.q / length),
          static_cast<float>(1.0 / length)};
}
