#include "gradient/figure_marks.h"

#include <cmath>

#include "gradient/figure_drawing.h"

namespace {

constexpr int kLetterGap = 3;  // between the ring and the letter

}  // namespace

PixelLine PixelLineOf(const GradientView& view, int width, int height, const GradientLine& line) {
  // p = (x - x0) / k and q = (y0 - y) / k, with (x0, y0) the origin's pixel and k the scale.
  const PixelPoint origin = PixelOfGradient(view, width, height, Gradient{});
  const double k = view.pixelsPerUnit;
  return {line.a, -line.b, line.b * origin.y - line.a * origin.x + line.c * k};
}

void DrawShadowLine(Picture& picture, const GradientView& view, const LightAim& source, Rgb colour,
                    bool dashed) {
  if (const std::optional<GradientLine> line = ShadowLine(source)) {
    DrawPixelLine(picture, PixelLineOf(view, picture.Width(), picture.Height(), *line), colour,
                  dashed);
  }
}

void DrawSourceMark(Picture& picture, const GradientView& view, const LightAim& source, Rgb colour,
                    bool letter) {
  const std::optional<Gradient> point = SourcePoint(source);
  if (!point) return;
  const PixelPoint centre = PixelOfGradient(view, picture.Width(), picture.Height(), *point);
  DrawRing(picture, centre, kSourceMarkRadius, colour);
  PutFigurePoint(picture, centre, colour);
  if (!letter || !std::isfinite(centre.x) || !std::isfinite(centre.y)) return;
  const double reach = kSourceMarkRadius + kLetterGap;
  if (std::fabs(centre.x) > picture.Width() + reach + kGlyphWidth ||
      std::fabs(centre.y) > picture.Height() + reach + kGlyphHeight) {
    return;
  }
  DrawGlyph(picture, kLetterS, static_cast<int>(std::lround(centre.x + reach)),
            static_cast<int>(std::lround(centre.y - reach)) - kGlyphHeight, colour);
}

void DrawCrossingMarks(Picture& picture, const GradientView& view,
                       const std::vector<Gradient>& crossings, Rgb colour, double radius) {
  for (const Gradient& crossing : crossings) {
    DrawRing(picture, PixelOfGradient(view, picture.Width(), picture.Height(), crossing), radius,
             colour);
  }
}
