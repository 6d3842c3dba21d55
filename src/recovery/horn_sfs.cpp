#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "pass/pass_control.h"
#include "pass/worker_pool.h"
#include "recovery/law_intensity.h"
#include "recovery/normal_integration.h"
#include "recovery/sfs_pyramid.h"
#include "recovery/sfs_stopping.h"
#include "recovery/shape_from_shading.h"
#include "surface/surface_gradients.h"

namespace {

constexpr int kRowsPerBlock = 16;
constexpr double kStartSmoothness = 1.0;   // lambda at the first iteration
constexpr double kLeastSmoothness = 1e-3;  // lambda never falls below this
constexpr double kSmoothnessFall = 0.95;   // lambda's factor per iteration
constexpr double kIntegrability = 1.0;     // mu

SfsResult HornOnGrid(const RecoveryImages& images, const RenderState& law,
                     const SfsOptions& options) {
  const int width = images.width;
  const int height = images.height;
  const size_t cells = images.Cells();
  const std::vector<double>& image = images.intensity.front();
  const LawIntensity intensityOf(law, images.sources.front());
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  HeightField heights{width, height, images.spacingX, images.spacingY,
                      options.start.empty() ? std::vector<double>(cells, 0.0) : options.start};
  for (size_t cell = 0; cell < cells; ++cell) {
    if (std::isnan(image[cell])) heights.z[cell] = kNone;
  }
  // (p, q) start as the start's slopes; `slopes` holds z's slopes in each iteration.
  RecoveredNormals slopes{width, height, images.spacingX, images.spacingY, {}, {}, {}};
  const auto takeSlopes = [&] {
    const SurfaceGradients g = GradientsOf(heights);
    slopes.p.resize(cells);
    slopes.q.resize(cells);
    for (size_t cell = 0; cell < cells; ++cell) {
      slopes.p[cell] = g.pq[cell].p;
      slopes.q[cell] = g.pq[cell].q;
    }
  };
  takeSlopes();
  RecoveredNormals gradient = slopes;
  RecoveredNormals next = slopes;
  double smoothness = options.refining ? kLeastSmoothness : kStartSmoothness;
  std::vector<double> mismatch(static_cast<size_t>(height), 0.0);  // each row's |E - R| summed
  const auto stepRows = [&](int block) {
    const int last = std::min(height, (block + 1) * kRowsPerBlock);
    for (int row = block * kRowsPerBlock; row < last; ++row) {
      double rowMismatch = 0.0;
      for (int column = 0; column < width; ++column) {
        const size_t cell = static_cast<size_t>(row) * width + column;
        if (!gradient.Has(cell)) continue;
        // The neighbours' sum and count: the discrete Laplacian with Neumann boundaries.
        double sumP = 0.0, sumQ = 0.0, count = 0.0;
        const auto add = [&](size_t other) {
          if (!gradient.Has(other)) return;
          sumP += gradient.p[other];
          sumQ += gradient.q[other];
          count += 1.0;
        };
        if (column > 0) add(cell - 1);
        if (column + 1 < width) add(cell + 1);
        if (row > 0) add(cell - width);
        if (row + 1 < height) add(cell + width);
        const double p = gradient.p[cell];
        const double q = gradient.q[cell];
        // A shadowed cell gives no brightness term: any slope turned away from the source fits.
        const bool lit = image[cell] > kSfsShadowed;
        const LawIntensity::Slopes r =
            lit ? intensityOf.WithSlopes({p, q}) : LawIntensity::Slopes{};
        const double error = lit ? image[cell] - options.albedo * r.value : 0.0;
        rowMismatch += std::abs(error);
        const double rp = options.albedo * r.alongP;
        const double rq = options.albedo * r.alongQ;
        // Each of p and q minimises its terms with R linear about the current (p, q).
        next.p[cell] =
            (smoothness * sumP + kIntegrability * slopes.p[cell] + (error + rp * p) * rp) /
            (smoothness * count + kIntegrability + rp * rp);
        next.q[cell] =
            (smoothness * sumQ + kIntegrability * slopes.q[cell] + (error + rq * q) * rq) /
            (smoothness * count + kIntegrability + rq * rq);
      }
      mismatch[static_cast<size_t>(row)] = rowMismatch;
    }
  };
  SfsResult result;
  PassControl* const control = CurrentPassControl();
  if (control != nullptr) control->AddBlocks(options.iterations);
  SfsStopping stopping(options.settled * std::min(images.spacingX, images.spacingY));
  double lit = 0.0, withHeights = 0.0;
  for (size_t cell = 0; cell < cells; ++cell) {
    lit += image[cell] > kSfsShadowed ? 1.0 : 0.0;
    withHeights += std::isfinite(heights.z[cell]) ? 1.0 : 0.0;
  }
  const int blocks = (height + kRowsPerBlock - 1) / kRowsPerBlock;
  while (result.iterations < options.iterations) {
    if (control != nullptr && control->Cancelled()) {
      result.cancelled = true;
      break;
    }
    PassPool().Run(blocks, stepRows);
    gradient.p.swap(next.p);
    gradient.q.swap(next.q);
    HeightField integrated = IntegrateDctPoisson(gradient);
    double change = 0.0;
    for (size_t cell = 0; cell < cells; ++cell) {
      if (std::isfinite(heights.z[cell])) change += std::abs(integrated.z[cell] - heights.z[cell]);
    }
    heights.z.swap(integrated.z);
    takeSlopes();
    smoothness = std::max(kLeastSmoothness, smoothness * kSmoothnessFall);
    ++result.iterations;
    if (control != nullptr) control->FinishBlock();
    const double error = std::accumulate(mismatch.begin(), mismatch.end(), 0.0);
    if (stopping.Settled(change / std::max(1.0, withHeights), error / std::max(1.0, lit))) break;
  }
  if (control != nullptr) {
    for (int left = result.iterations; left < options.iterations; ++left) control->FinishBlock();
  }
  result.heights = std::move(heights);
  return result;
}

}  // namespace

SfsResult HornSfs(const RecoveryImages& images, const RenderState& law, const SfsOptions& options) {
  return CoarseToFine(images, law, options, HornOnGrid);
}
