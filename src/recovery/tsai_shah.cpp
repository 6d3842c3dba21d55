#include <algorithm>
#include <cmath>
#include <limits>

#include "pass/pass_control.h"
#include "pass/worker_pool.h"
#include "recovery/law_intensity.h"
#include "recovery/shape_from_shading.h"

namespace {

constexpr int kRowsPerBlock = 16;
// Keeps the Newton step finite where f' vanishes (a flat cell under an overhead source).
constexpr double kSlopeGuard = 1e-4;

}  // namespace

SfsResult TsaiShahSfs(const RecoveryImages& images, const RenderState& law,
                      const SfsOptions& options) {
  const int width = images.width;
  const int height = images.height;
  const size_t cells = images.Cells();
  const std::vector<double>& image = images.intensity.front();
  const LawIntensity intensityOf(law, images.sources.front());
  std::vector<double> z = options.start.empty() ? std::vector<double>(cells, 0.0) : options.start;
  std::vector<double> next = z;
  std::vector<double> moved(static_cast<size_t>(height), 0.0);  // the largest move of each row
  const double dx = images.spacingX;
  const double dy = images.spacingY;
  const auto stepRows = [&](int block) {
    const int last = std::min(height, (block + 1) * kRowsPerBlock);
    for (int row = block * kRowsPerBlock; row < last; ++row) {
      double rowMoved = 0.0;
      for (int column = 0; column < width; ++column) {
        const size_t cell = static_cast<size_t>(row) * width + column;
        if (std::isnan(image[cell])) continue;
        // p and q as backward differences (the cell to the left, the cell below: y runs up),
        // forward ones on the first column and the bottom row; with their slopes in this z.
        const auto have = [&](size_t other) { return !std::isnan(image[other]); };
        double p = 0.0, dp = 0.0, q = 0.0, dq = 0.0;
        if (column > 0 && have(cell - 1)) {
          p = (z[cell] - z[cell - 1]) / dx, dp = 1.0 / dx;
        } else if (column + 1 < width && have(cell + 1)) {
          p = (z[cell + 1] - z[cell]) / dx, dp = -1.0 / dx;
        }
        if (row + 1 < height && have(cell + width)) {
          q = (z[cell] - z[cell + width]) / dy, dq = 1.0 / dy;
        } else if (row > 0 && have(cell - width)) {
          q = (z[cell - width] - z[cell]) / dy, dq = -1.0 / dy;
        }
        const LawIntensity::Slopes r = intensityOf.WithSlopes({p, q});
        const double f = image[cell] - options.albedo * r.value;
        const double slope = -options.albedo * (r.alongP * dp + r.alongQ * dq);
        const double step = f * slope / (slope * slope + kSlopeGuard);
        next[cell] = z[cell] - step;
        rowMoved = std::max(rowMoved, std::abs(step));
      }
      moved[static_cast<size_t>(row)] = rowMoved;
    }
  };
  SfsResult result;
  PassControl* const control = CurrentPassControl();
  if (control != nullptr) control->AddBlocks(options.iterations);
  const double settled = options.settled * std::min(dx, dy);
  const int blocks = (height + kRowsPerBlock - 1) / kRowsPerBlock;
  while (result.iterations < options.iterations) {
    if (control != nullptr && control->Cancelled()) {
      result.cancelled = true;
      break;
    }
    PassPool().Run(blocks, stepRows);
    z.swap(next);
    ++result.iterations;
    if (control != nullptr) control->FinishBlock();
    if (*std::max_element(moved.begin(), moved.end()) <= settled) break;
  }
  // An early stop leaves blocks that will not run: counted done, so the bar reaches its end.
  if (control != nullptr) {
    for (int left = result.iterations; left < options.iterations; ++left) control->FinishBlock();
  }
  result.heights = HeightField{width, height, dx, dy, std::move(z)};
  for (size_t cell = 0; cell < cells; ++cell) {
    if (std::isnan(image[cell])) result.heights.z[cell] = std::numeric_limits<double>::quiet_NaN();
  }
  return result;
}

std::vector<double> Dome(int width, int height, double rise) {
  std::vector<double> z(static_cast<size_t>(width) * static_cast<size_t>(height));
  const double cx = (width - 1) / 2.0;
  const double cy = (height - 1) / 2.0;
  const double corner = cx * cx + cy * cy;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const double r2 = (column - cx) * (column - cx) + (row - cy) * (row - cy);
      z[static_cast<size_t>(row) * width + column] = corner > 0.0 ? rise * (1.0 - r2 / corner) : 0.0;
    }
  }
  return z;
}
