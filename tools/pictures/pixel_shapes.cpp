#include "pixel_shapes.h"

namespace {

double Cross(Point a, Point b, Point p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

}  // namespace

void FillWhere(QImage& image, QColor colour, const PixelTest& inside) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (inside(x + 0.5, y + 0.5)) image.setPixelColor(x, y, colour);
    }
  }
}

void FillBlock(QImage& image, QColor colour, int x0, int y0, int x1, int y1) {
  FillWhere(image, colour,
            [=](double x, double y) { return x > x0 && x < x1 + 1 && y > y0 && y < y1 + 1; });
}

void FillTriangle(QImage& image, QColor colour, Point a, Point b, Point c) {
  FillWhere(image, colour, [=](double x, double y) {
    const Point p{x, y};
    const double ab = Cross(a, b, p);
    const double bc = Cross(b, c, p);
    const double ca = Cross(c, a, p);
    return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
  });
}

void DrawMinus(QImage& image, QColor colour, int x, int y) {
  FillBlock(image, colour, x, y, x + 5, y + 1);
}

void DrawPlus(QImage& image, QColor colour, int x, int y) {
  FillBlock(image, colour, x, y + 2, x + 5, y + 3);
  FillBlock(image, colour, x + 2, y, x + 3, y + 5);
}
