#pragma once
// What photometric stereo recovers at each cell: the gradient (p, q) of the surface (p = dz/dx,
// q = dz/dy, y upwards) and the albedo, on the images' grid. A cell that could not be recovered
// (no data, too few lit images, a singular set of lights) holds NaN in all three. The
// integrators take the same struct as their field of gradients.

#include <cmath>
#include <cstdint>
#include <vector>

struct RecoveredNormals {
  int width = 0;
  int height = 0;
  double spacingX = 1.0;
  double spacingY = 1.0;
  std::vector<double> p;  // as a height field's cells, row 0 the top row
  std::vector<double> q;
  std::vector<double> albedo;

  size_t Cells() const { return static_cast<size_t>(width) * static_cast<size_t>(height); }
  bool Has(size_t cell) const { return !std::isnan(p[cell]) && !std::isnan(q[cell]); }
  // The cells recovered.
  int64_t RecoveredCells() const {
    int64_t count = 0;
    for (size_t cell = 0; cell < Cells(); ++cell) count += Has(cell) ? 1 : 0;
    return count;
  }
};
