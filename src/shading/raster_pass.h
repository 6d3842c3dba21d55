#pragma once
// The raster pass: clears the picture, walks it column by column (each column bottom up, both
// limits inclusive), has the shader chosen by showIsolines colour each pixel from one sample or
// from four quarter-pixel samples (2x2 smoothing), and paints the averages of smoothed pixels.

#include "model/picture.h"
#include "model/render_state.h"

// Check2's state: 0 unchecked, 1 checked, 2 greyed. Smoothing is on only for 1.
void RunRasterPass(RenderState& state, Picture& picture, int smoothingState);
