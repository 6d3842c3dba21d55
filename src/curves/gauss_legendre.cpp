#include "curves/gauss_legendre.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kNewtonSteps = 100;
constexpr double kRootTolerance = 1e-15;

}  // namespace

// Each root of P_n by Newton's method from Tricomi's first guess, P_n and its derivative by the
// three-term recurrence; the weight 2 / ((1 - x^2) P_n'(x)^2).
QuadratureRule GaussLegendre(int n) {
  n = std::clamp(n, 1, 200);
  QuadratureRule rule;
  rule.nodes.assign(static_cast<size_t>(n), 0.0);
  rule.weights.assign(static_cast<size_t>(n), 0.0);
  for (int k = 0; k < (n + 1) / 2; ++k) {
    double x = std::cos(std::numbers::pi * (k + 0.75) / (n + 0.5));
    double derivative = 1.0;
    for (int step = 0; step < kNewtonSteps; ++step) {
      double previous = 1.0;
      double value = x;
      for (int degree = 2; degree <= n; ++degree) {
        const double next = ((2.0 * degree - 1.0) * x * value - (degree - 1.0) * previous) / degree;
        previous = value;
        value = next;
      }
      derivative = n * (x * value - previous) / (x * x - 1.0);
      const double shift = value / derivative;
      x -= shift;
      if (std::abs(shift) < kRootTolerance) break;
    }
    const double weight = 2.0 / ((1.0 - x * x) * derivative * derivative);
    rule.nodes[static_cast<size_t>(k)] = -x;
    rule.nodes[static_cast<size_t>(n - 1 - k)] = x;
    rule.weights[static_cast<size_t>(k)] = weight;
    rule.weights[static_cast<size_t>(n - 1 - k)] = weight;
  }
  return rule;
}

QuadratureRule GaussLegendreOn(const QuadratureRule& rule, double a, double b) {
  QuadratureRule mapped = rule;
  const double half = (b - a) / 2.0;
  for (size_t k = 0; k < rule.nodes.size(); ++k) {
    mapped.nodes[k] = a + half * (rule.nodes[k] + 1.0);
    mapped.weights[k] = half * rule.weights[k];
  }
  return mapped;
}
