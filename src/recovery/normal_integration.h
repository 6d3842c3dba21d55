#pragma once
// Normal integration: the heights z whose slopes best match a field of gradients (p, q), on the
// field's grid and spacing, y upwards (rows run downwards). Each returns a HeightField with the
// input's grid and orientation, NaN where no gradient was given, the given cells' mean height 0.
//
// - Frankot and Chellappa: the gradients projected onto the integrable ones in the Fourier basis,
//   Z(u, v) = -j (wu Gx + wv Gy) / (wu^2 + wv^2). The grid is taken as periodic, so slopes that
//   do not wrap round bend the heights near the border. Cells without a gradient count as flat.
// - Simchony, Chellappa and Shao: the least squares over every edge of the rectangle,
//   D^T D z = D^T g, whose matrix is the Laplacian with Neumann boundaries and is diagonal in the
//   cosine basis: one DCT-II, a division by its eigenvalues, one DCT-III. Exact for any field of
//   slopes that some height field has. Cells without a gradient count as flat.
// - On a mask: the same least squares over the edges between given cells only, so that the
//   object's own outline is the boundary: the sparse 5-point Laplacian by Eigen's sparse
//   Cholesky, one height a connected piece held and each piece's mean then set to 0 (pieces
//   apart have no height relative to one another). For objects that do not fill the grid.
//
// The transforms' arrays and plans are kept by each thread for its last grid size; their work
// runs on the pass pool, so an integration must not run inside a pool block. The cosine
// transforms are planned by measuring (FFTW_MEASURE: about 0.3 s at 512 x 512, once a size, for
// transforms twice as fast as an estimated plan's), so their last bits may differ between runs.

#include "model/height_field.h"
#include "recovery/recovered_normals.h"

HeightField IntegrateFrankotChellappa(const RecoveredNormals& gradients);
HeightField IntegrateDctPoisson(const RecoveredNormals& gradients);
HeightField IntegrateOnMask(const RecoveredNormals& gradients);
