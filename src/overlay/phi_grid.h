#pragma once
// The field the contour lines follow: the function's own phi (the readout's "phi") at every pixel
// centre of the last pass's picture, read by the pass's own shading path; not finite over the
// background, so that no line crosses it.

#include "gradient/gradient_view.h"
#include "model/render_state.h"
#include "overlay/marching_squares.h"

// phi of the sphere picture of `lastPass` at each pixel centre of a width x height picture.
SampleGrid SpherePhiGrid(const RenderState& lastPass, int width, int height);

// phi of the map of `lastPass` in `view` at each pixel centre of a width x height map.
SampleGrid MapPhiGrid(const RenderState& lastPass, int width, int height, const GradientView& view);
