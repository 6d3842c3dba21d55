#include "recovery/shape_from_shading.h"

std::vector<double> Dome(int width, int height, double rise) {
  std::vector<double> z(static_cast<size_t>(width) * static_cast<size_t>(height));
  const double cx = (width - 1) / 2.0;
  const double cy = (height - 1) / 2.0;
  const double corner = cx * cx + cy * cy;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const double r2 = (column - cx) * (column - cx) + (row - cy) * (row - cy);
      z[static_cast<size_t>(row) * width + column] =
          corner > 0.0 ? rise * (1.0 - r2 / corner) : 0.0;
    }
  }
  return z;
}
