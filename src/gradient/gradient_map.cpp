#include "gradient/gradient_map.h"

#include <cmath>

#include "gradient/figure_drawing.h"
#include "gradient/gradient_view.h"
#include "pass/column_blocks.h"
#include "pass/raster_walk.h"
#include "photometry/gradient_space.h"
#include "photometry/pass_constants.h"

namespace {

constexpr int kTickHalfLength = 3;
constexpr int kLetterMargin = 6;  // from the picture's edge and from the axis
constexpr int kNearAxes = 12;     // how far from an axis the axes' drawing may reach

// The column and row of the picture nearest the origin p = q = 0 (which lies between pixels
// when a side is odd: the left or upper of the two).
struct Origin {
  int column;
  int row;
};

Origin OriginOf(int width, int height) {
  const RasterFrame frame = MeasureRasterFrame(width, height);
  return {static_cast<int>(std::floor(frame.cx)),
          static_cast<int>(std::floor(static_cast<double>(frame.roundedHeight) - frame.cy))};
}

void Put(Picture& picture, int x, int y) { PutFigurePixel(picture, x, y, kGradientAxisColour); }

}  // namespace

void RunGradientMapPass(const RenderState& lastPass, Picture& picture, bool smoothing, int scale) {
  PaintGradientMap(lastPass, picture, smoothing, ScaledGradientView(scale));
  DrawGradientAxes(picture, scale);
}

void DrawGradientAxes(Picture& picture, int scale) {
  const int width = picture.Width();
  const int height = picture.Height();
  const Origin origin = OriginOf(width, height);
  for (int x = 0; x < width; ++x) Put(picture, x, origin.row);
  for (int y = 0; y < height; ++y) Put(picture, origin.column, y);
  const int unit = static_cast<int>(kGradientPixelsPerUnit) * scale;
  // Each axis has as many whole values as its own side holds: a tall map has more of q than of p.
  for (int k = -width / unit - 1; k <= width / unit + 1; ++k) {
    for (int t = -kTickHalfLength; t <= kTickHalfLength; ++t) {
      Put(picture, origin.column + k * unit, origin.row + t);  // a whole p
    }
  }
  for (int k = -height / unit - 1; k <= height / unit + 1; ++k) {
    for (int t = -kTickHalfLength; t <= kTickHalfLength; ++t) {
      Put(picture, origin.column + t, origin.row + k * unit);  // a whole q
    }
  }
  DrawGlyph(picture, kLetterP, width - kLetterMargin - kGlyphWidth,
            origin.row - kLetterMargin - kGlyphHeight, kGradientAxisColour);
  DrawGlyph(picture, kLetterQ, origin.column + kLetterMargin, kLetterMargin, kGradientAxisColour);
}

bool NearGradientAxes(int width, int height, int x, int y) {
  const Origin origin = OriginOf(width, height);
  const bool nearLetterQ = y < kLetterMargin + kGlyphHeight + 1;
  return std::abs(x - origin.column) <= kNearAxes || std::abs(y - origin.row) <= kNearAxes ||
         nearLetterQ;
}
