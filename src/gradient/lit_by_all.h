#pragma once
// The part of gradient space that every source lights (cos i > 0 for each): the orientations
// photometric stereo can recover from the images of all its sources. cos i = N.L / |N| with
// N = (-p, -q, 1) is positive on one side of the source's shadow line, so the part is the
// picture cut by each source's lit half-plane: a convex polygon, which the figure hatches.

#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"

// The corners, in order, of the part of a width x height map in `view` (the pixels' whole area)
// that every source lights; empty where none is. A source on the view axis lights all of it,
// one opposite none.
std::vector<PixelPoint> LitByAllRegion(const GradientView& view, int width, int height,
                                       const std::vector<LightAim>& sources);
