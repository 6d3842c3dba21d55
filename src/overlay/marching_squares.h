#pragma once
// Contour lines of a field sampled at pixel centres, by marching squares: each square of four
// neighbouring samples that the level separates gets one or two segments, whose ends lie on the
// square's sides where linear interpolation between the two samples gives the level. Segments
// that share an end are joined into polylines. A square with a sample that is not finite (the
// background, a NaN of the law) draws nothing. A saddle (the level separates the square's two
// diagonals) is decided by the mean of its four samples. Arithmetic in double.
//
//   samples -> squares -> segments on the sides -> polylines

#include <vector>

#include "gradient/gradient_view.h"

// The samples of a width x height picture, row by row from the top: pixel (x, y)'s value at
// x + y * width. A value that is not finite has no contour through it.
struct SampleGrid {
  int width = 0;
  int height = 0;
  std::vector<double> values;

  double At(int x, int y) const {
    return values[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

// A contour line through picture positions (pixel centres at whole numbers). Closed when its
// last point is its first.
using ContourLine = std::vector<PixelPoint>;

// The lines of `grid` at `level`: every point where the interpolated field equals the level.
std::vector<ContourLine> TraceContours(const SampleGrid& grid, double level);
