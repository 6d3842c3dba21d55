#pragma once
// The values start-up gives the RenderState: pixel scale, matte function, isoline levels 0.9 down
// to 0.3 with half-widths 0.005, white background, half sphere and colour isolines on.

#include "shading/render_state.h"

void ApplyStartupValues(RenderState& state);
