// Shape from shading by fast marching. Under a source on the view axis each cell's brightness asks
// for one slope size, and the heights that come down from the grid's border solve an eikonal
// equation. The sweeps of overhead_sweeps.h reach its solution by passes over the whole grid until
// nothing moves; fast marching fixes each cell once instead, in order of height, lowest first: a
// cell's height depends only on lower neighbours (the upwind step), so once it is the lowest of
// those not yet fixed, no later cell can lower it.

#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

#include "pass/pass_control.h"
#include "recovery/law_intensity.h"
#include "recovery/overhead_sweeps.h"
#include "recovery/shape_from_shading.h"

namespace {

constexpr double kAbove = std::numeric_limits<double>::infinity();
// The calling thread's PassControl is asked for a cancel once every this many cells fixed.
constexpr int kCellsPerCancelCheck = 4096;

bool CancelAsked() {
  const PassControl* control = CurrentPassControl();
  return control != nullptr && control->Cancelled();
}

}  // namespace

bool SourceOnAxis(const RecoveryImages& images, const RenderState& law) {
  const LawIntensity::Slopes flat =
      LawIntensity(law, images.sources.front()).WithSlopes({0.0, 0.0});
  return std::abs(flat.alongP) < 1e-12 && std::abs(flat.alongQ) < 1e-12;
}

SfsResult FastMarchingSfs(const RecoveryImages& images, const RenderState& law,
                          const SfsOptions& options) {
  SfsResult result;
  if (!SourceOnAxis(images, law)) return result;
  const int width = images.width;
  const int height = images.height;
  const size_t cells = images.Cells();
  const std::vector<double> start =
      options.start.empty() ? std::vector<double>(cells, 0.0) : options.start;
  const OverheadSweeps step(images, LawIntensity(law, images.sources.front()), options.albedo,
                            kSfsShadowed, start);
  // Fixed cells hold their heights, the others are above everything: Solved reads only the fixed.
  std::vector<double> z = step.FirstHeights();
  std::vector<double> trial(cells, kAbove);
  std::vector<char> fixed(cells, 0);
  using Candidate = std::pair<double, size_t>;
  std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> lowest;
  const auto offer = [&](int column, int row) {
    if (column < 0 || column >= width || row < 0 || row >= height) return;
    const size_t cell = static_cast<size_t>(row) * width + column;
    if (fixed[cell] != 0 || step.LeftOut(cell)) return;
    const double solved = step.Solved(z, column, row);
    if (solved < trial[cell]) {
      trial[cell] = solved;
      lowest.push({solved, cell});
    }
  };
  // The cells beside the border or a cell left out start the march.
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) offer(column, row);
  }
  int sinceCheck = 0;
  while (!lowest.empty()) {
    const auto [solved, cell] = lowest.top();
    lowest.pop();
    if (fixed[cell] != 0 || solved > trial[cell]) continue;  // a stale offer
    fixed[cell] = 1;
    z[cell] = solved;
    const int column = static_cast<int>(cell % static_cast<size_t>(width));
    const int row = static_cast<int>(cell / static_cast<size_t>(width));
    offer(column - 1, row);
    offer(column + 1, row);
    offer(column, row - 1);
    offer(column, row + 1);
    if (++sinceCheck == kCellsPerCancelCheck) {
      sinceCheck = 0;
      if (CancelAsked()) {
        result.cancelled = true;
        break;
      }
    }
  }
  step.Settle(z);
  result.iterations = 1;
  result.heights = HeightField{width, height, images.spacingX, images.spacingY, std::move(z)};
  const std::vector<double>& image = images.intensity.front();
  for (size_t cell = 0; cell < cells; ++cell) {
    if (std::isnan(image[cell])) result.heights.z[cell] = std::numeric_limits<double>::quiet_NaN();
  }
  return result;
}
