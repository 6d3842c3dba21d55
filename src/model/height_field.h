#pragma once
// A height field z(x, y) on a width x height grid: x to the right (columns), y upwards, z towards
// the observer on +z, who looks down orthographically. The heights are kept row by row from the
// top (the north), as a picture is: cell (column, row) at column + row * width, row 0 the top
// row. The grid's spacing along x and along y is in the units of z. A height that is not finite
// is no data: the cell is masked, painted in the background colour and left out of everything
// that follows.

#include <cmath>
#include <cstddef>
#include <vector>

struct HeightField {
  int width = 0;
  int height = 0;
  double spacingX = 1.0;  // between two columns
  double spacingY = 1.0;  // between two rows
  std::vector<double> z;  // width * height heights, row 0 the top row

  double At(int column, int row) const { return z[Index(column, row)]; }
  double& At(int column, int row) { return z[Index(column, row)]; }
  bool HasData(int column, int row) const { return std::isfinite(At(column, row)); }
  size_t Index(int column, int row) const {
    return static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(column);
  }
};
