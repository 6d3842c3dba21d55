#include "pass/column_blocks.h"

#include <atomic>

namespace {

// Beyond this a float counter no longer steps by 1, and rows could not be counted exactly.
constexpr int kLargestCountedSide = 16777216;

std::atomic<int32_t> blockColumns{kDefaultBlockColumns};

PixelRows RowsOf(Picture& picture) {
  if (picture.Width() > kLargestCountedSide || picture.Height() > kLargestCountedSide) return {};
  return picture.Rows();
}

}  // namespace

PassCanvas::PassCanvas(Picture& picture) : picture_(&picture), rows_(RowsOf(picture)) {}

void MergeBlockEnds(RenderState& state, const RasterFrame& frame,
                    const std::vector<BlockEnd>& ends) {
  // The column counter stops one step past the last column; the row counter one past the last
  // row, once a column has been visited.
  const int32_t columns = ColumnCountOf(frame);
  state.px = static_cast<float>(columns);
  if (columns > 0) state.py = static_cast<float>(LastRowOf(frame) + 1);
  for (const BlockEnd& end : ends) {
    if (end.sampled) {
      state.dx = end.dx;
      state.dy = end.dy;
      state.subSample = end.subSample;
    }
    if (end.summed) {
      state.sumR = end.sumR;
      state.sumG = end.sumG;
      state.sumB = end.sumB;
    }
  }
}

int32_t PassBlockColumns() { return blockColumns.load(std::memory_order_relaxed); }

void SetPassBlockColumns(int32_t columns) {
  blockColumns.store(columns < 1 ? 1 : columns, std::memory_order_relaxed);
}
