#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

#include "pass/pass_control.h"
#include "pass/worker_pool.h"
#include "recovery/law_intensity.h"
#include "recovery/overhead_sweeps.h"
#include "recovery/sfs_pyramid.h"
#include "recovery/sfs_stopping.h"
#include "recovery/shape_from_shading.h"

namespace {

constexpr int kRowsPerBlock = 16;
// The Newton step is f f' / (f'^2 + kStepGuard (1/dx^2 + 1/dy^2) / 2): Newton's own where the
// equation is steep in z, bounded where f' vanishes (near the source's point in gradient space).
constexpr double kStepGuard = 1.0;
// The sweeps' end: no height moved by more than this share of the spacing.
constexpr double kSweepsSettled = 1e-7;

SfsResult TsaiShahOnGrid(const RecoveryImages& images, const RenderState& law,
                         const SfsOptions& options) {
  const int width = images.width;
  const int height = images.height;
  const size_t cells = images.Cells();
  const std::vector<double>& image = images.intensity.front();
  const LawIntensity intensityOf(law, images.sources.front());
  const double dx = images.spacingX;
  const double dy = images.spacingY;
  const std::vector<double> start =
      options.start.empty() ? std::vector<double>(cells, 0.0) : options.start;
  std::vector<double> z = start;
  std::vector<double> next = z;
  // Each row's sums of the steps' sizes and of the brightness errors.
  std::vector<double> moved(static_cast<size_t>(height), 0.0);
  std::vector<double> mismatch(static_cast<size_t>(height), 0.0);
  // Tsai and Shah take backward differences, which carry the answer from the edges the light
  // comes from; this keeps the Newton step's pull from both neighbours of one sign. So each
  // difference runs from the side where R grows along it at the flat orientation: backward where
  // R rises with p (with q), forward where it falls.
  const LawIntensity::Slopes flat = intensityOf.WithSlopes({0.0, 0.0});
  // Under a source on the view axis R has no slope there: the sweeps of overhead_sweeps.h.
  const bool overhead = std::abs(flat.alongP) < 1e-12 && std::abs(flat.alongQ) < 1e-12;
  std::optional<OverheadSweeps> sweeps;
  if (overhead) {
    sweeps.emplace(images, intensityOf, options.albedo, kSfsShadowed, start);
    z = sweeps->FirstHeights();
  }
  const int alongRow = flat.alongP >= 0.0 ? -1 : 1;     // the column the p difference reaches
  const int alongColumn = flat.alongQ >= 0.0 ? 1 : -1;  // the row: +1 is the row below (y down)
  const double signP = -alongRow / dx;                  // dp/dz at the cell itself
  const double signQ = alongColumn / dy;
  const double guard = kStepGuard * 0.5 * (1.0 / (dx * dx) + 1.0 / (dy * dy));
  const auto stepRows = [&](int block) {
    const int last = std::min(height, (block + 1) * kRowsPerBlock);
    for (int row = block * kRowsPerBlock; row < last; ++row) {
      double rowMoved = 0.0, rowMismatch = 0.0;
      for (int column = 0; column < width; ++column) {
        const size_t cell = static_cast<size_t>(row) * width + column;
        next[cell] = z[cell];
        if (!(image[cell] > kSfsShadowed)) continue;  // shadow, or no data
        // Beyond the grid or beside a cell without data the neighbour's height is the start's
        // here: a flat start pads with its own plane, as the method's zero padding does.
        const int c = column + alongRow;
        const int r = row + alongColumn;
        const size_t xCell = static_cast<size_t>(row) * width + static_cast<size_t>(c);
        const size_t yCell = static_cast<size_t>(r) * width + static_cast<size_t>(column);
        const bool hasX = c >= 0 && c < width && !std::isnan(image[xCell]);
        const bool hasY = r >= 0 && r < height && !std::isnan(image[yCell]);
        const double xNeighbour = hasX ? z[xCell] : start[cell];
        const double yNeighbour = hasY ? z[yCell] : start[cell];
        const Gradient g{(z[cell] - xNeighbour) * signP, (z[cell] - yNeighbour) * signQ};
        const LawIntensity::Slopes reflectance = intensityOf.WithSlopes(g);
        const double f = image[cell] - options.albedo * reflectance.value;
        const double slope =
            -options.albedo * (reflectance.alongP * signP + reflectance.alongQ * signQ);
        const double step = f * slope / (slope * slope + guard);
        next[cell] = z[cell] - step;
        rowMoved += std::abs(step);
        rowMismatch += std::abs(f);
      }
      moved[static_cast<size_t>(row)] = rowMoved;
      mismatch[static_cast<size_t>(row)] = rowMismatch;
    }
  };
  SfsResult result;
  PassControl* const control = CurrentPassControl();
  if (control != nullptr) control->AddBlocks(options.iterations);
  SfsStopping stopping(options.settled * std::min(dx, dy));
  const double lit = std::max<double>(
      1.0, std::count_if(image.begin(), image.end(), [](double e) { return e > kSfsShadowed; }));
  const int blocks = (height + kRowsPerBlock - 1) / kRowsPerBlock;
  while (result.iterations < options.iterations) {
    if (control != nullptr && control->Cancelled()) {
      result.cancelled = true;
      break;
    }
    bool settledNow = false;
    if (sweeps) {
      // The sweeps solve each cell exactly: they end once no height moves at all.
      settledNow = sweeps->Sweep(z) <= kSweepsSettled * std::min(dx, dy);
    } else {
      PassPool().Run(blocks, stepRows);
      z.swap(next);
      const double sum = std::accumulate(moved.begin(), moved.end(), 0.0);
      const double error = std::accumulate(mismatch.begin(), mismatch.end(), 0.0);
      settledNow = stopping.Settled(sum / lit, error / lit);
    }
    ++result.iterations;
    if (control != nullptr) control->FinishBlock();
    if (settledNow) break;
  }
  // An early stop leaves blocks that will not run: counted done, so the bar reaches its end.
  if (control != nullptr) {
    for (int left = result.iterations; left < options.iterations; ++left) control->FinishBlock();
  }
  if (sweeps) sweeps->Settle(z);
  result.heights = HeightField{width, height, dx, dy, std::move(z)};
  for (size_t cell = 0; cell < cells; ++cell) {
    if (std::isnan(image[cell])) result.heights.z[cell] = std::numeric_limits<double>::quiet_NaN();
  }
  return result;
}

}  // namespace

SfsResult TsaiShahSfs(const RecoveryImages& images, const RenderState& law,
                      const SfsOptions& options) {
  const LawIntensity::Slopes flat =
      LawIntensity(law, images.sources.front()).WithSlopes({0.0, 0.0});
  const bool overhead = std::abs(flat.alongP) < 1e-12 && std::abs(flat.alongQ) < 1e-12;
  // The sweeps settle in a few iterations on any grid.
  return overhead ? TsaiShahOnGrid(images, law, options)
                  : CoarseToFine(images, law, options, TsaiShahOnGrid);
}
