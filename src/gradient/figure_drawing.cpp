#include "gradient/figure_drawing.h"

#include <cmath>

#include "model/angles.h"

namespace {

constexpr double kDashOn = 6.0;
constexpr double kDashPeriod = 10.0;
// Ring points a pixel apart or closer: the circumference over this many steps at least.
constexpr double kRingStepsPerPixel = 2.0;

// Within the range a pixel index can take (guards the conversion of far-off positions).
bool WithinPixelRange(double v, int limit) { return v > -1.0 && v < limit + 1.0; }

}  // namespace

void PutFigurePixel(Picture& picture, int x, int y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height()) {
    picture.SetPixel(x, y, colour);
  }
}

void PutFigurePoint(Picture& picture, PixelPoint point, Rgb colour) {
  if (!WithinPixelRange(point.x, picture.Width()) || !WithinPixelRange(point.y, picture.Height())) {
    return;
  }
  PutFigurePixel(picture, static_cast<int>(std::lround(point.x)),
                 static_cast<int>(std::lround(point.y)), colour);
}

void DrawPixelLine(Picture& picture, const PixelLine& line, Rgb colour, bool dashed) {
  const bool across = std::fabs(line.b) >= std::fabs(line.a);
  if (line.a == 0.0 && line.b == 0.0) return;
  // Along the main direction t, the other coordinate is u = -(m t + c) / n.
  const double m = across ? line.a : line.b;
  const double n = across ? line.b : line.a;
  const int steps = across ? picture.Width() : picture.Height();
  const double lengthPerStep = std::sqrt(1.0 + (m / n) * (m / n));
  for (int t = 0; t < steps; ++t) {
    if (dashed && std::fmod(t * lengthPerStep, kDashPeriod) >= kDashOn) continue;
    const double u = -(m * t + line.c) / n;
    PutFigurePoint(
        picture,
        across ? PixelPoint{static_cast<double>(t), u} : PixelPoint{u, static_cast<double>(t)},
        colour);
  }
}

void DrawRing(Picture& picture, PixelPoint centre, double radius, Rgb colour) {
  const int steps = static_cast<int>(std::ceil(2.0 * kPi * radius * kRingStepsPerPixel));
  for (int k = 0; k < steps; ++k) {
    const double angle = 2.0 * kPi * k / steps;
    PutFigurePoint(picture,
                   {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)},
                   colour);
  }
}

void DrawGlyph(Picture& picture, const Glyph& glyph, int left, int top, Rgb colour) {
  for (int row = 0; row < kGlyphHeight; ++row) {
    for (int column = 0; column < kGlyphWidth; ++column) {
      if ((glyph[row] >> (kGlyphWidth - 1 - column)) & 1U) {
        PutFigurePixel(picture, left + column, top + row, colour);
      }
    }
  }
}
