#include "gradient/lit_by_all.h"

#include "gradient/figure_marks.h"

namespace {

double ValueAt(const PixelLine& line, PixelPoint point) {
  return line.a * point.x + line.b * point.y + line.c;
}

// The part of a convex polygon where a x + b y + c > 0 (Sutherland-Hodgman, one edge).
std::vector<PixelPoint> KeepPositiveSide(const std::vector<PixelPoint>& polygon,
                                         const PixelLine& line) {
  std::vector<PixelPoint> kept;
  for (size_t k = 0; k < polygon.size(); ++k) {
    const PixelPoint from = polygon[k];
    const PixelPoint to = polygon[(k + 1) % polygon.size()];
    const double v0 = ValueAt(line, from);
    const double v1 = ValueAt(line, to);
    if (v0 > 0.0) kept.push_back(from);
    if ((v0 > 0.0) != (v1 > 0.0)) {
      const double t = v0 / (v0 - v1);
      kept.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
    }
  }
  return kept;
}

}  // namespace

std::vector<PixelPoint> LitByAllRegion(const GradientView& view, int width, int height,
                                       const std::vector<LightAim>& sources) {
  if (width <= 0 || height <= 0) return {};
  const double right = width - 0.5;
  const double bottom = height - 0.5;
  std::vector<PixelPoint> region{{-0.5, -0.5}, {right, -0.5}, {right, bottom}, {-0.5, bottom}};
  for (const LightAim& source : sources) {
    // cos i has the sign of -sx p - sy q + sz: the shadow line's value, also with sx = sy = 0.
    const SourceDirection d = DirectionOf(source);
    const GradientLine lit{-d.x, -d.y, d.z};
    region = KeepPositiveSide(region, PixelLineOf(view, width, height, lit));
    if (region.empty()) break;
  }
  return region;
}
