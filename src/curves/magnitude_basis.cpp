// The H, G1, G2 basis functions of Muinonen et al. (2010, Icarus 209, 542): cubic splines
// through the nodes below, f1 and f2 linear from 1 at g = 0 to their first node at 7.5 degrees
// (slopes -6/pi and -9/(5 pi) a radian), f3 zero from 30 degrees on. The nodes, values and the
// derivatives at every node (a radian) are those of Penttila et al. (2016, Planetary and Space
// Science 123, 117), Tables A.2 and A.3; they are the clamped cubic splines of the 2010 paper,
// whose end slopes they repeat, so each piece is the cubic Hermite between two nodes.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "curves/magnitude_systems.h"

namespace {

struct SplineNode {
  double degrees;
  double value;
  double slope;  // d/dg, g in radians
};

constexpr std::array<SplineNode, 6> kBasis1{{{7.5, 7.5e-1, -1.9098593},
                                             {30.0, 3.3486016e-1, -5.5463432e-1},
                                             {60.0, 1.3410560e-1, -2.4404599e-1},
                                             {90.0, 5.1104756e-2, -9.4980438e-2},
                                             {120.0, 2.1465687e-2, -2.1411424e-2},
                                             {150.0, 3.6396989e-3, -9.1328612e-2}}};
constexpr std::array<SplineNode, 6> kBasis2{{{7.5, 9.25e-1, -5.7295780e-1},
                                             {30.0, 6.2884169e-1, -7.6705367e-1},
                                             {60.0, 3.1755495e-1, -4.5665789e-1},
                                             {90.0, 1.2716367e-1, -2.8071809e-1},
                                             {120.0, 2.2373903e-2, -1.1173257e-1},
                                             {150.0, 1.6505689e-4, -8.6573138e-8}}};
constexpr std::array<SplineNode, 9> kBasis3{{{0.0, 1.0, -1.0630097e-1},
                                             {0.3, 8.3381185e-1, -4.1180439e1},
                                             {1.0, 5.7735424e-1, -1.0366915e1},
                                             {2.0, 4.2144772e-1, -7.5784615},
                                             {4.0, 2.3174230e-1, -3.6960950},
                                             {8.0, 1.0348178e-1, -7.8605652e-1},
                                             {12.0, 6.1733473e-2, -4.6527012e-1},
                                             {20.0, 1.6107006e-2, -2.0459545e-1},
                                             {30.0, 0.0, 0.0}}};

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The cubic Hermite piece through the two nodes around g (the caller keeps g within them).
double HermiteSpline(std::span<const SplineNode> nodes, double g) {
  size_t k = 0;
  while (k + 2 < nodes.size() && g > nodes[k + 1].degrees * kRadiansPerDegree) ++k;
  const double x0 = nodes[k].degrees * kRadiansPerDegree;
  const double x1 = nodes[k + 1].degrees * kRadiansPerDegree;
  const double h = x1 - x0;
  const double t = (g - x0) / h;
  const double t2 = t * t;
  const double t3 = t2 * t;
  return (2.0 * t3 - 3.0 * t2 + 1.0) * nodes[k].value + (t3 - 2.0 * t2 + t) * h * nodes[k].slope +
         (-2.0 * t3 + 3.0 * t2) * nodes[k + 1].value + (t3 - t2) * h * nodes[k + 1].slope;
}

// f1 and f2: the line from (0, 1) below the first node, the last node's value beyond the last.
double LinearThenSpline(std::span<const SplineNode> nodes, double g) {
  const double first = nodes.front().degrees * kRadiansPerDegree;
  if (g < first) return 1.0 + (nodes.front().value - 1.0) * g / first;
  if (g >= nodes.back().degrees * kRadiansPerDegree) return nodes.back().value;
  return HermiteSpline(nodes, g);
}

}  // namespace

double MagnitudeBasis(int index, double g) {
  switch (index) {
    case 1:
      return LinearThenSpline(kBasis1, g);
    case 2:
      return LinearThenSpline(kBasis2, g);
    default:
      if (g >= kBasis3.back().degrees * kRadiansPerDegree) return 0.0;
      return HermiteSpline(kBasis3, std::max(g, 0.0));
  }
}
