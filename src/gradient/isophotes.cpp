#include "gradient/isophotes.h"

#include <algorithm>
#include <cmath>

#include "gradient/source_phi.h"

namespace {

// Where the curve runs between two pixel centres, the one nearer it (by |phi - value|); both
// must be finite and lie on either side (0 counts with the positive side). A jump through an
// infinity (the rocky function's pole) is no crossing.
void MarkNearerAcross(std::vector<PixelPoint>& pixels, int x0, int y0, double d0, int x1, int y1,
                      double d1) {
  if (!std::isfinite(d0) || !std::isfinite(d1) || (d0 < 0.0) == (d1 < 0.0)) return;
  if (std::fabs(d0) <= std::fabs(d1)) {
    pixels.push_back({static_cast<double>(x0), static_cast<double>(y0)});
  } else {
    pixels.push_back({static_cast<double>(x1), static_cast<double>(y1)});
  }
}

}  // namespace

std::vector<PixelPoint> IsophotePixels(const GradientView& view, int width, int height,
                                       const RenderState& lastPass, const LightAim& source,
                                       float phi) {
  std::vector<PixelPoint> pixels;
  if (width <= 0 || height <= 0) return pixels;
  const SourcePhiField field(lastPass, source);
  // Two rows of phi - value, the row above and this one.
  std::vector<double> above(static_cast<size_t>(width));
  std::vector<double> row(static_cast<size_t>(width));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Gradient g = GradientAtPixel(view, width, height, x, y);
      row[static_cast<size_t>(x)] =
          static_cast<double>(field.FunctionPhi(g)) - static_cast<double>(phi);
    }
    for (int x = 0; x < width; ++x) {
      const double here = row[static_cast<size_t>(x)];
      if (x + 1 < width) {
        MarkNearerAcross(pixels, x, y, here, x + 1, y, row[static_cast<size_t>(x) + 1]);
      }
      if (y > 0) MarkNearerAcross(pixels, x, y, here, x, y - 1, above[static_cast<size_t>(x)]);
    }
    above.swap(row);
  }
  // A pixel may be nearer the curve on two sides; the marks of one row and the row above
  // interleave.
  const auto rowFirst = [](PixelPoint a, PixelPoint b) {
    return a.y < b.y || (a.y == b.y && a.x < b.x);
  };
  std::sort(pixels.begin(), pixels.end(), rowFirst);
  pixels.erase(std::unique(pixels.begin(), pixels.end(),
                           [](PixelPoint a, PixelPoint b) { return a.x == b.x && a.y == b.y; }),
               pixels.end());
  return pixels;
}
