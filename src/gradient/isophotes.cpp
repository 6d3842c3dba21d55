#include "gradient/isophotes.h"

#include <cmath>
#include <vector>

#include "gradient/figure_drawing.h"
#include "gradient/source_phi.h"

namespace {

// Where the curve runs between two pixel centres, the one nearer it (by |phi - value|); both
// must be finite and lie on either side (0 counts with the positive side). A jump through an
// infinity (the rocky function's pole) is no crossing.
void MarkNearerAcross(Picture& picture, int x0, int y0, double d0, int x1, int y1, double d1,
                      Rgb colour) {
  if (!std::isfinite(d0) || !std::isfinite(d1) || (d0 < 0.0) == (d1 < 0.0)) return;
  if (std::fabs(d0) <= std::fabs(d1)) {
    PutFigurePixel(picture, x0, y0, colour);
  } else {
    PutFigurePixel(picture, x1, y1, colour);
  }
}

}  // namespace

void DrawIsophote(Picture& picture, const GradientView& view, const RenderState& lastPass,
                  const LightAim& source, float phi, Rgb colour) {
  const int width = picture.Width();
  const int height = picture.Height();
  if (width <= 0 || height <= 0) return;
  const SourcePhiField field(lastPass, source);
  // Two rows of phi - value, the row above and this one: one allocation a drawing.
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
        MarkNearerAcross(picture, x, y, here, x + 1, y, row[static_cast<size_t>(x) + 1], colour);
      }
      if (y > 0) {
        MarkNearerAcross(picture, x, y, here, x, y - 1, above[static_cast<size_t>(x)], colour);
      }
    }
    above.swap(row);
  }
}
