#include "pass/raster_walk.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kSamplesPerPixel = 4;
constexpr double kQuarterPixel = 0.25;
// The walk counts in 32-bit floats, which step by 1 only below 2^24: no limit goes beyond that.
constexpr float kLargestCounterLimit = 16777215.0F;

float Half(float length) { return static_cast<float>(length / 2.0); }

}  // namespace

RasterFrame MeasureRasterFrame(const Picture& picture) {
  return MeasureRasterFrame(picture.Width(), picture.Height());
}

RasterFrame MeasureRasterFrame(int width, int height) {
  RasterFrame frame;
  frame.height = static_cast<float>(height);
  // A 16-bit row count where the window keeps it; 32 bits here so that no height can overflow it.
  frame.roundedHeight = static_cast<int32_t>(std::lrint(frame.height));
  frame.width = static_cast<float>(width);
  frame.cx = Half(frame.width);
  frame.cy = Half(static_cast<float>(frame.roundedHeight));
  frame.cxLow = static_cast<float>(frame.width / 2.0 - kQuarterPixel);
  frame.cxHigh = static_cast<float>(frame.width / 2.0 + kQuarterPixel);
  frame.cyLow = static_cast<float>(frame.height / 2.0 - kQuarterPixel);
  frame.cyHigh = static_cast<float>(frame.height / 2.0 + kQuarterPixel);
  frame.columnLimit = std::min(frame.width, kLargestCounterLimit);
  frame.rowLimit = std::min(static_cast<float>(frame.roundedHeight), kLargestCounterLimit);
  return frame;
}

std::optional<Rgb> SmoothedColour(const RenderState& state) {
  // Compared in 64 bits: four times any 32-bit background fits there.
  const auto isFourTimes = [](int32_t sum, int32_t background) {
    return int64_t{sum} == int64_t{kSamplesPerPixel} * background;
  };
  if (isFourTimes(state.sumR, state.backgroundR) && isFourTimes(state.sumG, state.backgroundG) &&
      isFourTimes(state.sumB, state.backgroundB)) {
    return std::nullopt;
  }
  return Rgb{state.sumR / kSamplesPerPixel, state.sumG / kSamplesPerPixel,
             state.sumB / kSamplesPerPixel};
}

void PaintSmoothedPixel(const RenderState& state, Picture& picture, float x, float y) {
  if (const std::optional<Rgb> colour = SmoothedColour(state)) PaintPixel(picture, x, y, *colour);
}
