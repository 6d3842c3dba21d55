#pragma once
// The walk of the raster pass, apart from the choice of shader: the measures a pass takes of the
// picture once, the column-by-column visit of every pixel position (each column bottom up, both
// limits inclusive) with the sample offsets the shader needs, and the painting of the average of
// a smoothed pixel's four samples.

#include <cstdint>

#include "shading/picture.h"
#include "shading/render_state.h"

struct RasterFrame {
  float W = 0.0F;   // picture width
  int32_t H = 0;    // picture height rounded half to even
  float Hf = 0.0F;  // picture height, unrounded
  float cx = 0.0F;  // centre for single samples
  float cy = 0.0F;
  float cxLow = 0.0F;  // centres for quarter-pixel samples
  float cxHigh = 0.0F;
  float cyLow = 0.0F;
  float cyHigh = 0.0F;
  float columnLimit = 0.0F;  // last px visited
  float rowLimit = 0.0F;     // last py visited
};

RasterFrame MeasureRasterFrame(const Picture& picture);

// Paints a smoothed pixel at (x, y) in the average of the sums of its four samples, each component
// divided by 4 with truncation, unless the sums are four times the background colour (the clear
// already painted that pixel).
void PaintSmoothedPixel(const RenderState& state, Picture& picture, float x, float y);

// Visits every position of the frame; `shade(state, picture)` is the shader of the pass. Without
// smoothing the shader paints each pixel itself; with smoothing it is called for the four
// quarter-pixel samples and the walk paints their average.
template <typename Shade>
void WalkRaster(RenderState& state, Picture& picture, const RasterFrame& frame, bool smoothing,
                Shade&& shade) {
  for (state.px = 0.0F; state.px <= frame.columnLimit; state.px += 1.0F) {
    for (state.py = 0.0F; state.py <= frame.rowLimit; state.py += 1.0F) {
      const double px = state.px;
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
      PaintSmoothedPixel(state, picture, state.px, static_cast<float>(frame.H - py));
    }
  }
}
