#pragma once
// The renderer's marks over the sphere picture, drawn by src/figure as the window draws them: the
// contour lines of the seven levels (--contour-lines), the disc's outline (--outline) and the
// sun mark at the light source's point (--source-mark), lines --line-width times as wide.

#include <QImage>

#include "model/image_buffer.h"
#include "model/render_state.h"
#include "render_job.h"

// Whether the job draws anything over the sphere.
bool DrawsSphereFigure(const RenderJob& job);

// Draws the job's marks over `image`, the sphere picture of `lastPass` (the job's scale its
// pixel ratio).
void PaintSphereFigure(const RenderJob& job, const RenderState& lastPass, QImage& image);

// The same over the picture painted into `picture`, in place.
void DrawSphereFigureOver(const RenderJob& job, const RenderState& lastPass, ImageBuffer& picture);
