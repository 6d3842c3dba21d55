#pragma once
// The reflectance map R(p, q) in gradient space, beside the sphere: the function, source slant,
// s, n, legend, colour switch and smoothing of the last pass, painted over the gradient plane
// (50 pixels a unit, p to the right, q upwards, the origin at the picture's centre). The
// rotations, the half-sphere switch and the arrow play no part: gradient space is seen by the
// photometric observer on +z. Its axes and every other mark are the figure's (src/figure).
//
//   copy of the last pass's state -> PaintGradientMap (gradient_view.h)

#include "model/picture.h"
#include "model/render_state.h"

// Paints the map's colours into `picture` (any size) from a copy of the last pass's state, at
// `scale` times 50 pixels a unit. Blocks of columns run on the pass pool (column_blocks.h).
void RunGradientMapPass(const RenderState& lastPass, Picture& picture, bool smoothing,
                        int scale = 1);
