#include "gradient/figure_marks.h"

#include <algorithm>
#include <cmath>
#include <utility>

PixelLine PixelLineOf(const GradientView& view, int width, int height, const GradientLine& line) {
  // p = (x - x0) / k and q = (y0 - y) / k, with (x0, y0) the origin's pixel and k the scale.
  const PixelPoint origin = PixelOfGradient(view, width, height, Gradient{});
  const double k = view.pixelsPerUnit;
  return {line.a, -line.b, line.b * origin.y - line.a * origin.x + line.c * k};
}

std::optional<PixelSegment> SegmentInPicture(const PixelLine& line, int width, int height) {
  const double left = -0.5;
  const double top = -0.5;
  const double right = width - 0.5;
  const double bottom = height - 0.5;
  // Along the line's direction (b, -a) from its point nearest the picture's centre, the range
  // of the parameter inside both slabs of the rectangle (Liang-Barsky).
  const double lengthSquared = line.a * line.a + line.b * line.b;
  if (!(lengthSquared > 0.0) || !std::isfinite(lengthSquared) || !std::isfinite(line.c)) {
    return std::nullopt;
  }
  const double cx = (left + right) / 2.0;
  const double cy = (top + bottom) / 2.0;
  const double offset = (line.a * cx + line.b * cy + line.c) / lengthSquared;
  const PixelPoint start{cx - line.a * offset, cy - line.b * offset};
  const PixelPoint direction{line.b, -line.a};
  double low = -INFINITY;
  double high = INFINITY;
  const auto clip = [&](double from, double along, double lowEdge, double highEdge) {
    if (along == 0.0) return from >= lowEdge && from <= highEdge;
    double t0 = (lowEdge - from) / along;
    double t1 = (highEdge - from) / along;
    if (t0 > t1) std::swap(t0, t1);
    low = std::max(low, t0);
    high = std::min(high, t1);
    return low <= high;
  };
  if (!clip(start.x, direction.x, left, right) || !clip(start.y, direction.y, top, bottom)) {
    return std::nullopt;
  }
  return PixelSegment{{start.x + low * direction.x, start.y + low * direction.y},
                      {start.x + high * direction.x, start.y + high * direction.y}};
}

std::optional<PixelPoint> SourcePixel(const GradientView& view, int width, int height,
                                      const LightAim& source) {
  const std::optional<Gradient> point = SourcePoint(source);
  if (!point) return std::nullopt;
  return PixelOfGradient(view, width, height, *point);
}

std::optional<PixelSegment> ShadowSegment(const GradientView& view, int width, int height,
                                          const LightAim& source) {
  const std::optional<GradientLine> line = ShadowLine(source);
  if (!line) return std::nullopt;
  return SegmentInPicture(PixelLineOf(view, width, height, *line), width, height);
}
