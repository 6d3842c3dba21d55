#pragma once
// The reflectance map R(p, q) in gradient space, beside the sphere: the function, source slant,
// s, n, legend, colour switch and smoothing of the last pass, painted over the gradient plane
// (50 pixels a unit, p to the right, q upwards, the origin at the picture's centre), with thin
// axes through the origin, ticks at whole p and q, and the letters p and q over it. The
// rotations, the half-sphere switch and the arrow play no part: gradient space is seen by the
// photometric observer on +z.
//
//   copy of the last pass's state -> PaintGradientMap (gradient_view.h) -> axes

#include "model/picture.h"
#include "model/render_state.h"

inline constexpr Rgb kGradientAxisColour{30, 100, 255};

// Paints the map into `picture` (any size) from a copy of the last pass's state, at `scale` times
// 50 pixels a unit. Blocks of columns run on the pass pool (column_blocks.h).
void RunGradientMapPass(const RenderState& lastPass, Picture& picture, bool smoothing,
                        int scale = 1);

// The axes, ticks (every `scale` times 50 pixels) and letters over a painted map.
void DrawGradientAxes(Picture& picture, int scale = 1);

// True for a pixel the axes may cover (within a few pixels of either axis or a letter).
bool NearGradientAxes(int width, int height, int x, int y);
