#pragma once
// The renderer's marks over the sphere picture, drawn by src/figure as the window draws them: the
// contour lines of the seven levels (--contour-lines), the disc's outline (--outline) and the
// sun mark at the light source's point (--source-mark), lines --line-width times as wide.

#include <QPainter>
#include <QSize>

#include "model/render_state.h"
#include "render_job.h"

// Whether the job draws anything over the sphere.
bool DrawsSphereFigure(const RenderJob& job);

// Draws the job's marks over the sphere picture of `lastPass`, `deviceSize` pixels; `painter`
// draws in logical coordinates (device pixels divided by the job's scale).
void PaintSphereFigure(const RenderJob& job, const RenderState& lastPass, QPainter& painter,
                       QSize deviceSize);
