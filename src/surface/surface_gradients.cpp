#include "surface/surface_gradients.h"

#include <limits>

namespace {

// The derivative along one axis at `at` from the heights before and after it (NaN: no data),
// the cells `spacing` apart.
double Derivative(double before, double at, double after, double spacing) {
  const bool hasBefore = std::isfinite(before);
  const bool hasAfter = std::isfinite(after);
  if (hasBefore && hasAfter) return (after - before) / (2.0 * spacing);
  if (hasAfter) return (after - at) / spacing;
  if (hasBefore) return (at - before) / spacing;
  return 0.0;  // a cell alone along this axis: no slope can be seen
}

}  // namespace

SurfaceGradients GradientsOf(const HeightField& field) {
  constexpr double kNoData = std::numeric_limits<double>::quiet_NaN();
  SurfaceGradients gradients{field.width, field.height, {}};
  gradients.pq.resize(field.z.size(), Gradient{kNoData, kNoData});
  const auto heightAt = [&field](int column, int row) {
    if (column < 0 || row < 0 || column >= field.width || row >= field.height) return kNoData;
    return field.At(column, row);
  };
  for (int row = 0; row < field.height; ++row) {
    for (int column = 0; column < field.width; ++column) {
      const double z = field.At(column, row);
      if (!std::isfinite(z)) continue;
      Gradient& g = gradients.pq[field.Index(column, row)];
      g.p = Derivative(heightAt(column - 1, row), z, heightAt(column + 1, row), field.spacingX);
      // Rows run downwards, y upwards: the row below comes before.
      g.q = Derivative(heightAt(column, row + 1), z, heightAt(column, row - 1), field.spacingY);
    }
  }
  return gradients;
}
