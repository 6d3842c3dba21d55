#include "overlay/phi_grid.h"

#include <limits>
#include <optional>
#include <utility>

#include "pass/raster_walk.h"
#include "photometry/gradient_space.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"
#include "photometry/sphere_geometry.h"

namespace {

// Fills the grid from read(state), the state of each pixel centre's sample as SampleAtPixel forms
// it (readout.h): offsets from the single-sample centre, rows counted upwards.
template <typename Read>
SampleGrid FillGrid(const RenderState& lastPass, int width, int height, const Read& read) {
  SampleGrid grid{width, height, {}};
  if (width <= 0 || height <= 0) return grid;
  grid.values.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  const RasterFrame frame = MeasureRasterFrame(width, height);
  RenderState state = lastPass;
  state.subSample = 0;
  const PassConstants pass = MakePassConstants(state);
  for (int y = 0; y < height; ++y) {
    state.py = static_cast<float>(frame.roundedHeight - y);
    state.dy = static_cast<float>(static_cast<double>(state.py) - frame.cy);
    for (int x = 0; x < width; ++x) {
      state.px = static_cast<float>(x);
      state.dx = static_cast<float>(static_cast<double>(state.px) - frame.cx);
      grid.values[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          read(state, pass);
    }
  }
  return grid;
}

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The point of the sphere the picture shows for the sample at state.dx, state.dy, found in double
// and rounded to floats only at the end. The pass's own 32-bit steps along y give a rim of rows
// that step where the view is nearly perpendicular to y; the smooth field puts each contour where
// the law puts it. The hit chosen is the pass's: the larger y by depth, else as the form says;
// then the half sphere's choice.
std::optional<Point3> ShownPointInDouble(const RenderState& state, const PassConstants& pass) {
  const LineOfSight line = RotateLineOfSight(
      MakeLineOfSight(state.dx, state.dy, state.pixelScale, pass.lineDepth), pass);
  std::optional<SphereHits> hits = IntersectAlongLine(line, pass.form.plusNearerStart);
  if (!hits) return std::nullopt;
  if (pass.form.byDepth && hits->hitMinus.y > hits->hitPlus.y) {
    std::swap(hits->hitPlus, hits->hitMinus);
  }
  return SelectSurfacePoint(*hits, state.halfSphere);
}

}  // namespace

SampleGrid SpherePhiGrid(const RenderState& lastPass, int width, int height) {
  return FillGrid(lastPass, width, height, [](const RenderState& state, const PassConstants& pass) {
    const std::optional<Point3> point = ShownPointInDouble(state, pass);
    if (!point) return kNoValue;
    return static_cast<double>(ReadSurfacePoint(*point, state, pass).functionPhi);
  });
}

SampleGrid MapPhiGrid(const RenderState& lastPass, int width, int height,
                      const GradientView& view) {
  return FillGrid(lastPass, width, height,
                  [&view](const RenderState& state, const PassConstants& pass) {
                    const Gradient gradient = GradientAtOffset(view, state.dx, state.dy);
                    return static_cast<double>(
                        ReadSurfacePoint(GradientNormal(gradient), state, pass).functionPhi);
                  });
}
