#pragma once
// The renderer's figure over the gradient-space map, drawn by src/figure as the window draws it:
// the axes with their numbered ticks, the letters p and q and the conventions; then, as asked,
// the hatch of what every source lights, each source's dashed shadow line, its ring and label,
// the isophote of each source through --through, and rings at the crossings of the first two
// isophotes (larger red ones at those a third source's isophote shares). Numbers are written in
// the C locale, as the renderer reads them.

#include <QPainter>
#include <QSize>
#include <vector>

#include "gradient/light_sources.h"
#include "model/render_state.h"
#include "render_job.h"

// The described source first, then the job's --light sources.
std::vector<LightAim> JobSources(const RenderJob& job, const RenderState& lastPass);

// Draws the job's figure over a map of `deviceSize` pixels: `painter` draws in logical
// coordinates, the device pixels divided by the job's scale. Needs the headless GUI (its text).
void PaintMapFigure(const RenderJob& job, const RenderState& lastPass, QPainter& painter,
                    QSize deviceSize);
