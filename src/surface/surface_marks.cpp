#include "surface/surface_marks.h"

#include <cmath>
#include <limits>

#include "gradient/source_phi.h"

namespace {

struct MapPixel {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const MapPixel&) const = default;
};

// The pixel holding a position: pixel centres lie at whole numbers, each pixel reaching half a
// pixel either way.
MapPixel HoldingPixel(PixelPoint point) {
  return {std::floor(point.x + 0.5), std::floor(point.y + 0.5)};
}

}  // namespace

std::vector<uint8_t> CellsInMapPixel(const SurfaceGradients& gradients, const GradientView& view,
                                     int mapWidth, int mapHeight, Gradient pointed) {
  std::vector<uint8_t> cells(gradients.pq.size(), 0);
  const MapPixel target = HoldingPixel(PixelOfGradient(view, mapWidth, mapHeight, pointed));
  for (int row = 0; row < gradients.height; ++row) {
    for (int column = 0; column < gradients.width; ++column) {
      if (!gradients.Has(column, row)) continue;
      const Gradient& cell = gradients.At(column, row);
      if (HoldingPixel(PixelOfGradient(view, mapWidth, mapHeight, cell)) == target) {
        cells[static_cast<size_t>(row) * static_cast<size_t>(gradients.width) +
              static_cast<size_t>(column)] = 1;
      }
    }
  }
  return cells;
}

SampleGrid SurfacePhiGrid(const RenderState& lastPass, const SurfaceGradients& gradients,
                          const LightAim& source) {
  const SourcePhiField field(lastPass, source);
  SampleGrid grid{gradients.width, gradients.height, {}};
  grid.values.reserve(gradients.pq.size());
  for (const Gradient& cell : gradients.pq) {
    grid.values.push_back(std::isnan(cell.p) ? std::numeric_limits<double>::quiet_NaN()
                                             : static_cast<double>(field.FunctionPhi(cell)));
  }
  return grid;
}

std::vector<ContourLine> IsophotePreImage(const RenderState& lastPass, const SampleGrid& phiGrid,
                                          const LightAim& source, Gradient pointed) {
  const double level = SourcePhiField(lastPass, source).FunctionPhi(pointed);
  if (!std::isfinite(level)) return {};
  return TraceContours(phiGrid, level);
}
