#pragma once
// The renderer's gradient-space map with its figure: the map and its axes, then (as asked) the
// hatch of what every source lights, each source's dashed shadow line and its S, the isophote of
// each source through --through, and rings at the crossings of the first two isophotes (larger
// red ones at those a third source's isophote shares).

#include <vector>

#include "gradient/light_sources.h"
#include "model/picture.h"
#include "model/render_state.h"
#include "render_job.h"

// The described source first, then the job's --light sources.
std::vector<LightAim> JobSources(const RenderJob& job, const RenderState& lastPass);

// Paints the map of `lastPass` at the job's scale with the figure the job asks for.
void PaintMapFigure(const RenderJob& job, const RenderState& lastPass, Picture& picture);
