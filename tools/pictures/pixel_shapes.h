#pragma once
// Pixel-centre shapes: every shape is a test on pixel centres, so the edges stay crisp and the
// result does not depend on the painter's antialiasing.

#include <QColor>
#include <QImage>
#include <functional>

using PixelTest = std::function<bool(double x, double y)>;

struct Point {
  double x;
  double y;
};

// Paints every pixel whose centre passes the test.
void FillWhere(QImage& image, QColor colour, const PixelTest& inside);

// Pixels x0..x1, y0..y1 inclusive.
void FillBlock(QImage& image, QColor colour, int x0, int y0, int x1, int y1);

// A triangle holds a point when the point lies on the same side of all three edges.
void FillTriangle(QImage& image, QColor colour, Point a, Point b, Point c);

// A minus sign six pixels wide and two high, its top-left pixel at (x, y).
void DrawMinus(QImage& image, QColor colour, int x, int y);

// A plus sign six by six pixels with arms two pixels thick, its bounding box starting at (x, y).
void DrawPlus(QImage& image, QColor colour, int x, int y);
