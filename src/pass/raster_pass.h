#pragma once
// The raster pass: clears the picture, walks it column by column (each column bottom up, both
// limits inclusive), has the shader chosen by showIsolines colour each pixel from one sample or
// from four quarter-pixel samples (2x2 smoothing), and paints the averages of smoothed pixels.
// Blocks of columns run on the pass pool (column_blocks.h); the picture and the state left
// behind are those of the serial walk, whatever the thread count.

#include "model/picture.h"
#include "model/render_state.h"

// `smoothing`: four quarter-pixel samples a pixel instead of one.
void RunRasterPass(RenderState& state, Picture& picture, bool smoothing);
