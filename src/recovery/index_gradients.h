#pragma once
// What the integrators share: the gradients in the grid's own steps, and the heights they find
// put back on the normals' grid.
//
// Rows run downwards while y runs upwards, so the height's change from a row to the next one down
// is -q dy, and from a column to the next one right p dx. A cell without a gradient counts as
// flat here (0 in both).

#include "model/height_field.h"
#include "recovery/recovered_normals.h"

// The steps along each row (p dx) and down each column (-q dy), one a cell.
void WriteIndexSlopes(const RecoveredNormals& normals, double* alongRow, double* downColumn);

// The right side of the least squares over the edges between neighbouring cells, each edge
// asking z(b) - z(a) to be the mean of its two cells' steps: b = D^T g, with D the edges'
// differences, so that the graph Laplacian D^T D z = b. With `givenOnly`, only edges between two
// cells with gradients count (the mask's own boundary); otherwise every edge of the rectangle.
void WriteEdgeDivergence(const RecoveredNormals& normals, bool givenOnly, double* divergence);

// The heights `z` (one a cell) on the normals' grid and orientation, NaN where no gradient was
// given, shifted so that the given cells' mean is 0.
HeightField PlacedHeights(const RecoveredNormals& normals, const double* z);
