#pragma once
// The marks the map's figure lays through one orientation (the one under the window's pointer,
// the renderer's --through): each source's isophote through it; with two sources or more the
// crossings of the first two isophotes (the orientations two images cannot tell apart), and with
// three or more those crossings every further isophote shares. The figure draws them.

#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"

struct IsophotesThrough {
  std::vector<std::vector<PixelPoint>> isophotes;  // one a source, in the order given
  std::vector<Gradient> crossings;                 // `through` first; none with one source
  std::vector<Gradient> shared;                    // none with fewer than three sources
};

// The marks through `through` over a width x height map of the last pass in `view`.
IsophotesThrough FindIsophotesThrough(const RenderState& lastPass,
                                      const std::vector<LightAim>& sources, Gradient through,
                                      const GradientView& view, int width, int height);
