#pragma once
// The orientation of every cell of a height field: p = dz/dx and q = dz/dy (y upwards) by central
// differences, one-sided on the border and beside a cell without data; none (NaN) where the cell
// itself has no data. N = (-p, -q, 1) / sqrt(1 + p^2 + q^2), the map's convention.

#include <cmath>
#include <vector>

#include "model/height_field.h"
#include "photometry/gradient_space.h"

struct SurfaceGradients {
  int width = 0;
  int height = 0;
  std::vector<Gradient> pq;  // as the field's cells, row 0 the top row

  const Gradient& At(int column, int row) const {
    return pq[static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(column)];
  }
  bool Has(int column, int row) const { return !std::isnan(At(column, row).p); }
};

SurfaceGradients GradientsOf(const HeightField& field);
