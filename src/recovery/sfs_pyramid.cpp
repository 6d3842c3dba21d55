#include "recovery/sfs_pyramid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

int Half(int side) { return (side + 1) / 2; }

// The fine cells (up to four) a coarse cell covers.
template <typename Visit>
void Covered(int width, int height, int column, int row, Visit visit) {
  for (int r = 2 * row; r < std::min(height, 2 * row + 2); ++r) {
    for (int c = 2 * column; c < std::min(width, 2 * column + 2); ++c) {
      visit(static_cast<size_t>(r) * width + c);
    }
  }
}

}  // namespace

RecoveryImages HalvedImage(const RecoveryImages& images) {
  const int width = Half(images.width);
  const int height = Half(images.height);
  RecoveryImages half{
      width, height, 2.0 * images.spacingX, 2.0 * images.spacingY, {images.sources.front()},
      {},    {}};
  std::vector<double> image(half.Cells());
  const std::vector<double>& fine = images.intensity.front();
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      double sum = 0.0, count = 0.0;
      Covered(images.width, images.height, column, row, [&](size_t cell) {
        sum += fine[cell];
        count += 1.0;
      });
      image[static_cast<size_t>(row) * width + column] = sum / count;  // NaN stays NaN
    }
  }
  half.intensity.push_back(std::move(image));
  return half;
}

std::vector<double> HalvedHeights(const std::vector<double>& z, int width, int height) {
  const int halfWidth = Half(width);
  const int halfHeight = Half(height);
  std::vector<double> half(static_cast<size_t>(halfWidth) * halfHeight, kNone);
  for (int row = 0; row < halfHeight; ++row) {
    for (int column = 0; column < halfWidth; ++column) {
      double sum = 0.0, count = 0.0;
      Covered(width, height, column, row, [&](size_t cell) {
        if (!std::isfinite(z[cell])) return;
        sum += z[cell];
        count += 1.0;
      });
      if (count > 0.0) half[static_cast<size_t>(row) * halfWidth + column] = sum / count;
    }
  }
  return half;
}

std::vector<double> DoubledHeights(const HeightField& coarse, int width, int height,
                                   const std::vector<double>& fallback) {
  std::vector<double> z(static_cast<size_t>(width) * height);
  for (int row = 0; row < height; ++row) {
    // A fine cell's centre in coarse cells: fine cells 2i and 2i + 1 lie a quarter either side
    // of coarse cell i's centre.
    const double y = std::clamp(0.5 * row - 0.25, 0.0, coarse.height - 1.0);
    const int r0 = std::min(static_cast<int>(y), coarse.height - 1);
    const int r1 = std::min(r0 + 1, coarse.height - 1);
    const double fy = y - r0;
    for (int column = 0; column < width; ++column) {
      const double x = std::clamp(0.5 * column - 0.25, 0.0, coarse.width - 1.0);
      const int c0 = std::min(static_cast<int>(x), coarse.width - 1);
      const int c1 = std::min(c0 + 1, coarse.width - 1);
      const double fx = x - c0;
      double sum = 0.0, weights = 0.0;
      const auto add = [&](int c, int r, double weight) {
        const double value = coarse.At(c, r);
        if (!std::isfinite(value) || weight <= 0.0) return;
        sum += weight * value;
        weights += weight;
      };
      add(c0, r0, (1.0 - fx) * (1.0 - fy));
      add(c1, r0, fx * (1.0 - fy));
      add(c0, r1, (1.0 - fx) * fy);
      add(c1, r1, fx * fy);
      const size_t cell = static_cast<size_t>(row) * width + column;
      z[cell] = weights > 0.0 ? sum / weights : fallback[cell];
    }
  }
  return z;
}

SfsResult CoarseToFine(const RecoveryImages& images, const RenderState& law,
                       const SfsOptions& options, SfsSolver solve) {
  if (std::min(images.width, images.height) < 2 * kCoarsestSide) {
    return solve(images, law, options);
  }
  const std::vector<double> start =
      options.start.empty() ? std::vector<double>(images.Cells(), 0.0) : options.start;
  SfsOptions coarseOptions = options;
  coarseOptions.start = HalvedHeights(start, images.width, images.height);
  const SfsResult coarse = CoarseToFine(HalvedImage(images), law, coarseOptions, solve);
  if (coarse.cancelled) return coarse;
  SfsOptions fineOptions = options;
  fineOptions.start = DoubledHeights(coarse.heights, images.width, images.height, start);
  fineOptions.refining = true;
  return solve(images, law, fineOptions);
}
