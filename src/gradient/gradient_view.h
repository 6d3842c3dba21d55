#pragma once
// How the gradient-space map lies in its picture: the pixels a unit of p or q spans and where the
// origin p = q = 0 lies, so that a map may be zoomed and moved. The default view is the map of
// the pass at 50 pixels a unit, the origin at the frame's centre, sample for sample.
//
//   pixel (x, y), top-left origin <-> sample offset (dx, dy) from the frame's centre
//                                 <-> gradient (p, q) = (dx - originX, dy - originY) /
//                                 pixelsPerUnit

#include "model/picture.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"

// The range of the map window's zoom, a factor on the scale that fits its picture.
inline constexpr double kMinMapZoom = 0.125;
inline constexpr double kMaxMapZoom = 64.0;

struct GradientView {
  double pixelsPerUnit = kGradientPixelsPerUnit;  // 50 at the default size
  double originX = 0.0;  // where p = q = 0 lies, in pixels right of the frame's centre
  double originY = 0.0;  // ... and in pixels above it
};

// The default view at `scale` times 50 pixels a unit.
GradientView ScaledGradientView(int scale);

// A position in picture pixels: x right from the left edge, y down from the top, the centre of
// pixel (x, y) at whole x and y.
struct PixelPoint {
  double x = 0.0;
  double y = 0.0;
};

// The gradient of a sample at offset (dx, dy) from the frame's centre (dy upwards), as the map's
// pass forms it.
inline Gradient GradientAtOffset(const GradientView& view, double dx, double dy) {
  return {(dx - view.originX) / view.pixelsPerUnit, (dy - view.originY) / view.pixelsPerUnit};
}

// The gradient an unsmoothed sample at picture position (x, y) reads, for a width x height map.
Gradient GradientAtPixel(const GradientView& view, int width, int height, double x, double y);

// Where a gradient lies in the picture: the inverse of GradientAtPixel.
PixelPoint PixelOfGradient(const GradientView& view, int width, int height, Gradient gradient);

// The colours of the map of the last pass's state over `picture` (any size), without axes. Blocks
// of columns run on the pass pool (column_blocks.h). At ScaledGradientView(k) each pixel is the
// one RunGradientMapPass paints at scale k.
void PaintGradientMap(const RenderState& lastPass, Picture& picture, bool smoothing,
                      const GradientView& view);
