#pragma once
// The walk of the raster pass, apart from the choice of shader: the measures a pass takes of the
// picture once, the column-by-column visit of every pixel position (each column bottom up, both
// limits inclusive) with the sample offsets the shader needs, and the painting of the average of
// a smoothed pixel's four samples.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

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

// The average of the sums of a smoothed pixel's four samples, each component divided by 4 with
// truncation; nothing when the sums are four times the background colour (the clear already
// painted that pixel).
std::optional<Rgb> SmoothedColour(const RenderState& state);

// Paints a smoothed pixel at (x, y) in its SmoothedColour, if it has one.
void PaintSmoothedPixel(const RenderState& state, Picture& picture, float x, float y);

// Stores a sample's offsets dx and dy with one 8-byte store: a shader that reads them back as
// one 8-byte load then finds them whole instead of stalling on two 4-byte halves.
inline void StoreSampleOffsets(RenderState& state, float dx, float dy) {
  static_assert(offsetof(RenderState, dy) == offsetof(RenderState, dx) + sizeof(float));
  const std::array<float, 2> offsets{dx, dy};
  std::memcpy(reinterpret_cast<unsigned char*>(&state) + offsetof(RenderState, dx), offsets.data(),
              sizeof offsets);
}

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

// The last row of every column, -1 for a negative height (no row to visit).
inline int32_t LastRowOf(const RasterFrame& frame) {
  return frame.rowLimit < 0.0F ? -1 : static_cast<int32_t>(frame.rowLimit);
}

// The columns a walk visits: 0..columnLimit.
inline int32_t ColumnCountOf(const RasterFrame& frame) {
  return frame.columnLimit < 0.0F ? 0 : static_cast<int32_t>(frame.columnLimit) + 1;
}

// Visits the rows of the column at state.px (the last column of the frame when `lastColumn`):
//   single(state, row)   a sample without smoothing, dx and dy set;
//   quarter(state)       one of the four quarter-pixel samples of a smoothed pixel;
//   average(state, row)  after the four samples, whose sums start at 0.
// Rows that mayMeet rules out for every sample are passed over, except in the last column, whose
// rows from the first that may meet up to the top are all visited, so that the state left
// behind is that of a full walk. Leaves py one step past the last row.
template <typename MayMeet, typename Single, typename Quarter, typename Average>
void WalkColumn(RenderState& state, const RasterFrame& frame, bool smoothing, bool lastColumn,
                const MayMeet& mayMeet, Single&& single, Quarter&& quarter, Average&& average) {
  const int32_t lastRow = LastRowOf(frame);
  const double px = state.px;
  RowSpan rows;
  const auto include = [&](float cx, float cy) {
    const RowSpan span = RowsThatMayMeet(mayMeet, static_cast<float>(px - cx), cy, lastRow);
    if (span.Empty()) return;
    rows = rows.Empty() ? span
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
  if (lastColumn && lastRow >= 0) rows = RowSpan{rows.Empty() ? lastRow : rows.first, lastRow};
  const auto dxFrom = [px](float cx) { return static_cast<float>(px - cx); };
  const std::array<float, 2> quarterDx{dxFrom(frame.cxLow), dxFrom(frame.cxHigh)};
  const float singleDx = dxFrom(frame.cx);
  for (int32_t row = rows.first; row <= rows.last; ++row) {
    state.py = static_cast<float>(row);
    const double py = state.py;
    if (!smoothing) {
      state.subSample = 0;
      StoreSampleOffsets(state, singleDx, static_cast<float>(py - frame.cy));
      single(state, row);
      continue;
    }
    state.sumR = 0;
    state.sumG = 0;
    state.sumB = 0;
    const std::array<float, 2> quarterDy{static_cast<float>(py - frame.cyLow),
                                         static_cast<float>(py - frame.cyHigh)};
    for (int32_t k = 1; k <= 4; ++k) {
      // Samples 1 and 3 lie a quarter pixel right of the centre, 1 and 2 a quarter pixel up.
      const bool right = k == 1 || k == 3;
      const bool up = k <= 2;
      state.subSample = k;
      StoreSampleOffsets(state, quarterDx[right ? 0 : 1], quarterDy[up ? 0 : 1]);
      quarter(state);
    }
    average(state, row);
  }
  // The row counter leaves each column one step past the last row, as a full walk leaves it.
  state.py = static_cast<float>(lastRow + 1);
}

// Visits every position of the frame on the calling thread; `shade(state, picture)` is the
// shader of the pass. Without smoothing the shader paints each pixel itself; with smoothing it is
// called for the four quarter-pixel samples and the walk paints their average.
//
// `mayMeet(dx, dy)` (see RowsThatMayMeet) may rule out samples that the shader would class as
// background: a position whose samples are all ruled out is passed over, since a background
// sample paints nothing and four of them leave the clear's pixel.
template <typename Shade, typename MayMeet = AnyRow>
void WalkRaster(RenderState& state, Picture& picture, const RasterFrame& frame, bool smoothing,
                Shade&& shade, const MayMeet& mayMeet = {}) {
  const auto sample = [&](RenderState& s) { shade(s, picture); };
  const auto average = [&](RenderState& s, int32_t row) {
    PaintSmoothedPixel(s, picture, s.px, static_cast<float>(frame.roundedHeight - double{s.py}));
    static_cast<void>(row);
  };
  for (state.px = 0.0F; state.px <= frame.columnLimit; state.px += 1.0F) {
    WalkColumn(
        state, frame, smoothing, state.px + 1.0F > frame.columnLimit, mayMeet,
        [&](RenderState& s, int32_t) { sample(s); }, sample, average);
  }
}
