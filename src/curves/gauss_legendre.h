#pragma once
// Gauss-Legendre quadrature: the nodes and weights of an n-point rule on [-1, 1], exact for
// polynomials of degree 2n - 1, and the rule mapped onto [a, b].

#include <vector>

struct QuadratureRule {
  std::vector<double> nodes;
  std::vector<double> weights;
};

// n from 1 to 200; the nodes in increasing order.
QuadratureRule GaussLegendre(int n);

// The rule's nodes and weights stretched from [-1, 1] onto [a, b].
QuadratureRule GaussLegendreOn(const QuadratureRule& rule, double a, double b);
