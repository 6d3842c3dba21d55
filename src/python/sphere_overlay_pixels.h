#pragma once
// The marks the renderer draws over the sphere's picture, drawn into its pixels: the contour
// lines of the seven levels, the disc's outline and the sun at the light source's point, lines
// `overlay.lineWidth` times as wide (src/overlay places them, src/figure draws them).

#include "model/image_buffer.h"
#include "model/render_state.h"
#include "overlay/overlay_marks.h"

// Draws the chosen marks over the sphere picture `lastPass` painted at `scale` on `background`;
// nothing when none is chosen. Call on the Python thread.
void DrawSphereOverlayOver(ImageBuffer& picture, const RenderState& lastPass, int scale,
                           const OverlayChoice& overlay, Rgb background);
