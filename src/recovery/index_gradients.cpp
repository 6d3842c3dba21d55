#include "recovery/index_gradients.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "recovery/row_blocks.h"

namespace {

constexpr int kRowsPerBlock = 32;

// The step of a cell along a row and down a column; 0 for a cell without a gradient.
double StepAlongRow(const RecoveredNormals& normals, size_t cell) {
  return normals.Has(cell) ? normals.p[cell] * normals.spacingX : 0.0;
}
double StepDownColumn(const RecoveredNormals& normals, size_t cell) {
  return normals.Has(cell) ? -normals.q[cell] * normals.spacingY : 0.0;
}

}  // namespace

void WriteIndexSlopes(const RecoveredNormals& normals, double* alongRow, double* downColumn) {
  const size_t width = static_cast<size_t>(normals.width);
  RunRowBlocks(normals.height, kRowsPerBlock, [&](int first, int end) {
    for (size_t cell = first * width; cell < end * width; ++cell) {
      alongRow[cell] = StepAlongRow(normals, cell);
      downColumn[cell] = StepDownColumn(normals, cell);
    }
  });
}

void WriteEdgeDivergence(const RecoveredNormals& normals, bool givenOnly, double* divergence) {
  const size_t width = static_cast<size_t>(normals.width);
  const size_t height = static_cast<size_t>(normals.height);
  std::fill(divergence, divergence + width * height, 0.0);
  for (size_t row = 0; row < height; ++row) {
    for (size_t column = 0; column < width; ++column) {
      const size_t a = row * width + column;
      const bool hasA = normals.Has(a);
      const double right = StepAlongRow(normals, a);
      const double down = StepDownColumn(normals, a);
      if (column + 1 < width && (!givenOnly || (hasA && normals.Has(a + 1)))) {
        const double mean = 0.5 * (right + StepAlongRow(normals, a + 1));
        divergence[a] -= mean;
        divergence[a + 1] += mean;
      }
      if (row + 1 < height && (!givenOnly || (hasA && normals.Has(a + width)))) {
        const double mean = 0.5 * (down + StepDownColumn(normals, a + width));
        divergence[a] -= mean;
        divergence[a + width] += mean;
      }
    }
  }
}

HeightField PlacedHeights(const RecoveredNormals& normals, const double* z) {
  HeightField field{normals.width, normals.height, normals.spacingX, normals.spacingY, {}};
  const size_t width = static_cast<size_t>(normals.width);
  field.z.resize(normals.Cells());
  // Each block's sum and count of the given heights, kept in the block's first cell's row slot.
  std::vector<double> sums(static_cast<size_t>(normals.height), 0.0);
  std::vector<double> counts(static_cast<size_t>(normals.height), 0.0);
  RunRowBlocks(normals.height, kRowsPerBlock, [&](int first, int end) {
    double sum = 0.0, count = 0.0;
    for (size_t cell = first * width; cell < end * width; ++cell) {
      const bool has = normals.Has(cell);
      sum += has ? z[cell] : 0.0;
      count += has ? 1.0 : 0.0;
    }
    sums[static_cast<size_t>(first)] = sum;
    counts[static_cast<size_t>(first)] = count;
  });
  double sum = 0.0, count = 0.0;
  for (size_t row = 0; row < sums.size(); ++row) {
    sum += sums[row];
    count += counts[row];
  }
  const double mean = count > 0.0 ? sum / count : 0.0;
  RunRowBlocks(normals.height, kRowsPerBlock, [&](int first, int end) {
    for (size_t cell = first * width; cell < end * width; ++cell) {
      field.z[cell] = normals.Has(cell) ? z[cell] - mean : std::numeric_limits<double>::quiet_NaN();
    }
  });
  return field;
}
