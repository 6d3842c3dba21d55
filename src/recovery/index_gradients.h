#pragma once
// What the integrators share: the gradients in the grid's own steps, and the heights they find
// put back on the normals' grid.
//
// Rows run downwards while y runs upwards, so the height's change from a row to the next one down
// is -q dy, and from a column to the next one right p dx. A cell without a gradient is left out:
// 0 in both, `given` 0.

#include <vector>

#include "model/height_field.h"
#include "recovery/recovered_normals.h"

struct IndexGradients {
  int width = 0;
  int height = 0;
  std::vector<double> alongRow;     // dz from a column to the next, p dx
  std::vector<double> downColumn;   // dz from a row to the next one down, -q dy
  std::vector<char> given;          // 1 where the cell has a gradient
};

IndexGradients ToIndexGradients(const RecoveredNormals& normals);

// The right side of the least squares over the edges between neighbouring cells, each edge
// asking z(b) - z(a) to be the mean of its two cells' steps: b = D^T g, with D the edges'
// differences, so that the graph Laplacian D^T D z = b. With `givenOnly`, only edges between two
// given cells count (the mask's own boundary); otherwise every edge of the rectangle.
std::vector<double> EdgeDivergence(const IndexGradients& gradients, bool givenOnly);

// The heights `z` (one a cell) on the normals' grid and orientation, NaN where no gradient was
// given, shifted so that the given cells' mean is 0.
HeightField PlacedHeights(const RecoveredNormals& normals, const IndexGradients& gradients,
                          const double* z);
