#include "recovery/index_gradients.h"

#include <limits>

IndexGradients ToIndexGradients(const RecoveredNormals& normals) {
  const size_t cells = normals.Cells();
  IndexGradients gradients{normals.width, normals.height, std::vector<double>(cells, 0.0),
                           std::vector<double>(cells, 0.0), std::vector<char>(cells, 0)};
  for (size_t cell = 0; cell < cells; ++cell) {
    if (!normals.Has(cell)) continue;
    gradients.alongRow[cell] = normals.p[cell] * normals.spacingX;
    gradients.downColumn[cell] = -normals.q[cell] * normals.spacingY;
    gradients.given[cell] = 1;
  }
  return gradients;
}

std::vector<double> EdgeDivergence(const IndexGradients& gradients, bool givenOnly) {
  const size_t width = static_cast<size_t>(gradients.width);
  const size_t height = static_cast<size_t>(gradients.height);
  std::vector<double> divergence(width * height, 0.0);
  const auto edge = [&](size_t a, size_t b, const std::vector<double>& step) {
    if (givenOnly && (gradients.given[a] == 0 || gradients.given[b] == 0)) return;
    const double mean = 0.5 * (step[a] + step[b]);
    divergence[a] -= mean;
    divergence[b] += mean;
  };
  for (size_t row = 0; row < height; ++row) {
    for (size_t column = 0; column < width; ++column) {
      const size_t cell = row * width + column;
      if (column + 1 < width) edge(cell, cell + 1, gradients.alongRow);
      if (row + 1 < height) edge(cell, cell + width, gradients.downColumn);
    }
  }
  return divergence;
}

HeightField PlacedHeights(const RecoveredNormals& normals, const IndexGradients& gradients,
                          const double* z) {
  HeightField field{normals.width, normals.height, normals.spacingX, normals.spacingY, {}};
  const size_t cells = normals.Cells();
  double sum = 0.0;
  size_t given = 0;
  for (size_t cell = 0; cell < cells; ++cell) {
    if (gradients.given[cell] == 0) continue;
    sum += z[cell];
    ++given;
  }
  const double mean = given > 0 ? sum / static_cast<double>(given) : 0.0;
  field.z.assign(cells, std::numeric_limits<double>::quiet_NaN());
  for (size_t cell = 0; cell < cells; ++cell) {
    if (gradients.given[cell] != 0) field.z[cell] = z[cell] - mean;
  }
  return field;
}
