#pragma once
// The map's figure drawn into its pixels as the renderer draws it over --gradient-space: the
// chosen contour lines, then the axes with their numbered ticks and the conventions, in the
// standalone figure font, lines `overlay.lineWidth` times as wide.

#include "model/image_buffer.h"
#include "model/render_state.h"
#include "overlay/overlay_marks.h"

// Draws the figure of the map `lastPass` painted at `scale` over `picture`. Call on the Python
// thread.
void DrawMapFigureOver(ImageBuffer& picture, const RenderState& lastPass, int scale,
                       const OverlayChoice& overlay);
