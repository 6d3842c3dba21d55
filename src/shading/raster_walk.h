#pragma once
// The walk of the raster pass, apart from the choice of shader: the measures a pass takes of the
// picture once, the column-by-column visit of every pixel position (each column bottom up, both
// limits inclusive) with the sample offsets the shader needs, and the painting of the average of
// a smoothed pixel's four samples.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/picture.h"
#include "model/render_state.h"

struct RasterFrame {
  float width = 0.0F;         // picture width
  int32_t roundedHeight = 0;  // picture height rounded half to even
  float height = 0.0F;        // picture height, unrounded
  float cx = 0.0F;            // centre for single samples
  float cy = 0.0F;
  float cxLow = 0.0F;  // centres for quarter-pixel samples
  float cxHigh = 0.0F;
  float cyLow = 0.0F;
  float cyHigh = 0.0F;
  float columnLimit = 0.0F;  // last px visited
  float rowLimit = 0.0F;     // last py visited
};

RasterFrame MeasureRasterFrame(const Picture& picture);
RasterFrame MeasureRasterFrame(int width, int height);

// Paints a smoothed pixel at (x, y) in the average of the sums of its four samples, each component
// divided by 4 with truncation, unless the sums are four times the background colour (the clear
// already painted that pixel).
void PaintSmoothedPixel(const RenderState& state, Picture& picture, float x, float y);

// A run of rows of one column, first to last inclusive; empty when first > last.
struct RowSpan {
  int32_t first = 0;
  int32_t last = -1;
  bool Empty() const { return first > last; }
};

// The sample offset of row `row` from a centre, as the walk forms it.
inline float RowOffset(int32_t row, float centre) {
  return static_cast<float>(static_cast<double>(static_cast<float>(row)) - centre);
}

// The rows 0..rowLimit of a column at offset dx where mayMeet(dx, dy) holds, dy measured from
// `centre`. mayMeet must hold on one run of rows around the row nearest the centre, or nowhere:
// then checking the two rows nearest the centre and searching outwards by halves is exact.
template <typename MayMeet>
RowSpan RowsThatMayMeet(const MayMeet& mayMeet, float dx, float centre, int32_t rowLimit) {
  const auto holds = [&](int32_t row) { return mayMeet(dx, RowOffset(row, centre)); };
  const auto clampRow = [rowLimit](double row) {
    return static_cast<int32_t>(std::clamp(row, 0.0, static_cast<double>(rowLimit)));
  };
  const double below = std::floor(static_cast<double>(centre));
  int32_t seed = clampRow(below);
  if (!holds(seed)) {
    seed = clampRow(below + 1.0);
    if (!holds(seed)) return {};
  }
  RowSpan span{seed, seed};
  // Lowest row that holds: rows below it fail, rows from it up to the seed hold.
  for (int32_t fails = -1; span.first - fails > 1;) {
    const int32_t middle = fails + (span.first - fails) / 2;
    (holds(middle) ? span.first : fails) = middle;
  }
  for (int32_t fails = rowLimit + 1; fails - span.last > 1;) {
    const int32_t middle = span.last + (fails - span.last) / 2;
    (holds(middle) ? span.last : fails) = middle;
  }
  return span;
}

// Every row of a column.
struct AnyRow {
  bool operator()(float, float) const { return true; }
};

// Visits every position of the frame; `shade(state, picture)` is the shader of the pass. Without
// smoothing the shader paints each pixel itself; with smoothing it is called for the four
// quarter-pixel samples and the walk paints their average.
//
// `mayMeet(dx, dy)` (see RowsThatMayMeet) may rule out samples that the shader would class as
// background: a position whose samples are all ruled out is passed over, since a background
// sample paints nothing and four of them leave the clear's pixel. The last position is always
// shaded, so that the state the walk leaves behind is that of the full walk.
template <typename Shade, typename MayMeet = AnyRow>
void WalkRaster(RenderState& state, Picture& picture, const RasterFrame& frame, bool smoothing,
                Shade&& shade, const MayMeet& mayMeet = {}) {
  // A negative height leaves no row to visit.
  const int32_t lastRow = frame.rowLimit < 0.0F ? -1 : static_cast<int32_t>(frame.rowLimit);
  for (state.px = 0.0F; state.px <= frame.columnLimit; state.px += 1.0F) {
    const double px = state.px;
    RowSpan rows;
    const auto include = [&](float cx, float cy) {
      const RowSpan span = RowsThatMayMeet(mayMeet, static_cast<float>(px - cx), cy, lastRow);
      if (span.Empty()) return;
      rows = rows.Empty()
                 ? span
                 : RowSpan{std::min(rows.first, span.first), std::max(rows.last, span.last)};
    };
    if (lastRow < 0) {
      // No row to visit.
    } else if (smoothing) {
      for (float cx : {frame.cxLow, frame.cxHigh}) {
        for (float cy : {frame.cyLow, frame.cyHigh}) include(cx, cy);
      }
    } else {
      include(frame.cx, frame.cy);
    }
    if (state.px + 1.0F > frame.columnLimit && lastRow >= 0) {
      rows = RowSpan{rows.Empty() ? lastRow : rows.first, lastRow};
    }
    for (int32_t row = rows.first; row <= rows.last; ++row) {
      state.py = static_cast<float>(row);
      const double py = state.py;
      if (!smoothing) {
        state.subSample = 0;
        state.dx = static_cast<float>(px - frame.cx);
        state.dy = static_cast<float>(py - frame.cy);
        shade(state, picture);
        continue;
      }
      state.sumR = 0;
      state.sumG = 0;
      state.sumB = 0;
      for (int32_t k = 1; k <= 4; ++k) {
        // Samples 1 and 3 lie a quarter pixel right of the centre, 1 and 2 a quarter pixel up.
        const bool right = k == 1 || k == 3;
        const bool up = k <= 2;
        state.subSample = k;
        state.dx = static_cast<float>(px - (right ? frame.cxLow : frame.cxHigh));
        state.dy = static_cast<float>(py - (up ? frame.cyLow : frame.cyHigh));
        shade(state, picture);
      }
      PaintSmoothedPixel(state, picture, state.px, static_cast<float>(frame.roundedHeight - py));
    }
    // The row counter leaves each column one step past the last row, as a full walk leaves it.
    state.py = static_cast<float>(lastRow + 1);
  }
}
