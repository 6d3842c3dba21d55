#pragma once
// A pass's walk split into blocks of columns that run on the pass pool (worker_pool.h):
//
//   clear -> rows taken once -> blocks of columns, each on its own copy of the state, painting
//   straight into the rows -> the end-of-pass state rebuilt from the blocks
//
// A sample reads nothing a sample of another column wrote: the walk sets px, py, dx, dy and
// subSample before every sample, and a sample that colours its pixel sets the sums afresh
// (smoothing zeroes them first). So each block shades as the serial walk would, and the state
// the serial walk leaves is put together from the last block that set each of those fields.
// Pictures are bit-identical for every thread count and block size.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/picture.h"
#include "model/render_state.h"
#include "pass/pass_control.h"
#include "pass/raster_walk.h"
#include "pass/worker_pool.h"
#include "photometry/sample_colour.h"

// Where a pass paints: the picture's rows, taken once, or (for a picture without rows, or one
// whose sides a float counter cannot count) the picture's own SetPixel from one thread.
class PassCanvas {
 public:
  explicit PassCanvas(Picture& picture);

  bool Shared() const { return rows_.first != nullptr; }  // may be painted from several threads

  // Paints the pixel at column x, row `fromBottom` of the walk (the picture row height - row),
  // components limited to 0..255; nothing outside the picture. (x, y) are the same position as
  // floats, as the serial shaders pass it to PaintPixel.
  void Paint(int32_t x, int32_t fromBottom, float fx, float fy, Rgb colour) const {
    if (rows_.first == nullptr) {
      PaintPixel(*picture_, fx, fy, colour);
      return;
    }
    const int32_t y = rows_.height - fromBottom;
    if (static_cast<uint32_t>(x) >= static_cast<uint32_t>(rows_.width) ||
        static_cast<uint32_t>(y) >= static_cast<uint32_t>(rows_.height)) {
      return;
    }
    rows_.first[y * rows_.stride + x] = LimitedPixel(colour);
  }

 private:
  Picture* picture_;
  PixelRows rows_;
};

// What a block of columns leaves in the fields the walk and the samples write.
struct BlockEnd {
  bool sampled = false;  // a sample was taken: dx, dy and subSample hold the last one's
  float dx = 0.0F;
  float dy = 0.0F;
  int32_t subSample = 0;
  bool summed = false;  // the sums were set: sumR, sumG and sumB hold the last values
  int32_t sumR = 0;
  int32_t sumG = 0;
  int32_t sumB = 0;
};

// The state of the serial walk over `columns` columns of `frame`, from the ends of its blocks in
// column order.
void MergeBlockEnds(RenderState& state, const RasterFrame& frame,
                    const std::vector<BlockEnd>& ends);

// Columns a block holds unless set: a multiple of 16, so that blocks on different threads share
// no cache line of a row.
inline constexpr int32_t kDefaultBlockColumns = 16;
int32_t PassBlockColumns();
void SetPassBlockColumns(int32_t columns);  // at least 1; not while a pass runs

// Walks every column of `frame` in blocks. Under a PassControl bound to the calling thread, the
// columns walked after the control was cancelled are passed over, and every block counts as done.
// colour(state) colours the sample at state.dx, state.dy into the sums as a shader does and returns
// false for a background sample (which, without smoothing, leaves the sums as they were). Without
// smoothing the walk limits the sums of a coloured sample above at 255 and paints them; with
// smoothing it paints the average.
template <typename Colour, typename MayMeet>
void WalkColumnBlocks(RenderState& state, Picture& picture, const RasterFrame& frame,
                      bool smoothing, const Colour& colour, const MayMeet& mayMeet) {
  const PassCanvas canvas(picture);
  const int32_t columns = ColumnCountOf(frame);
  const int32_t blockColumns = PassBlockColumns();
  const int32_t blocks = (columns + blockColumns - 1) / blockColumns;
  // Reused from pass to pass: no allocation once the widest picture has been walked.
  thread_local std::vector<BlockEnd> endsOfThisCaller;
  std::vector<BlockEnd>& ends = endsOfThisCaller;  // the workers write the caller's
  ends.assign(static_cast<size_t>(blocks), BlockEnd{});
  const float height = static_cast<float>(picture.Height());
  const RenderState start = state;
  PassControl* const control = CurrentPassControl();
  if (control != nullptr) control->AddBlocks(blocks);
  const auto walkBlock = [&](int block) {
    RenderState s = start;
    // Kept on this thread's stack while the block runs: neighbouring blocks' ends share lines.
    BlockEnd end;
    const auto single = [&](RenderState& t, int32_t row) {
      end.sampled = true;
      if (!colour(t)) return;
      end.summed = true;
      const Rgb limited = LimitSums(t);
      canvas.Paint(static_cast<int32_t>(t.px), row, t.px, height - t.py, limited);
    };
    const auto quarter = [&](RenderState& t) {
      end.sampled = true;
      end.summed = true;
      colour(t);
    };
    const auto average = [&](RenderState& t, int32_t row) {
      if (const std::optional<Rgb> smoothed = SmoothedColour(t)) {
        canvas.Paint(static_cast<int32_t>(t.px), row, t.px,
                     static_cast<float>(frame.roundedHeight - double{t.py}), *smoothed);
      }
    };
    const int32_t first = block * blockColumns;
    const int32_t last = std::min(first + blockColumns, columns) - 1;
    for (int32_t column = first; column <= last; ++column) {
      // A cancelled pass stops within a column, however slow its samples.
      if (control != nullptr && control->Cancelled()) break;
      s.px = static_cast<float>(column);
      WalkColumn(s, frame, smoothing, column == columns - 1, mayMeet, single, quarter, average);
    }
    end.dx = s.dx;
    end.dy = s.dy;
    end.subSample = s.subSample;
    end.sumR = s.sumR;
    end.sumG = s.sumG;
    end.sumB = s.sumB;
    ends[static_cast<size_t>(block)] = end;
    if (control != nullptr) control->FinishBlock();
  };
  if (canvas.Shared()) {
    PassPool().Run(blocks, walkBlock);
  } else {
    for (int block = 0; block < blocks; ++block) walkBlock(block);
  }
  MergeBlockEnds(state, frame, ends);
}
