#pragma once
// Photometric stereo in gradient space. Two images of one surface point under two sources give
// two values of phi, and each value an isophote through the point's true orientation; wherever
// the two isophotes cross, an orientation fits both readings (the ambiguity of two images). A
// third source's isophote passes through the true orientation and, in general, through none of
// the others.
//
//   coarse grid over the visible map: cells where both phi - value change sign
//   -> Newton's method on the two differences (derivatives by central differences)
//   -> crossings on both isophotes to a twentieth of a pixel, each once

#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"

// Every point of the visible width x height map where the isophote of `first` through `through`
// meets that of `second`, `through` itself first (it lies on both). Points closer together than a
// pixel count once; where the two isophotes run together (one source twice, or tangent curves)
// only `through` is certain.
std::vector<Gradient> IsophoteCrossings(const RenderState& lastPass, const LightAim& first,
                                        const LightAim& second, Gradient through,
                                        const GradientView& view, int width, int height);

// Whether `point` lies within half a pixel of the view from the isophote of `source` through
// `through` (the distance taken as |phi difference| over the length of phi's gradient).
bool OnIsophoteThrough(const RenderState& lastPass, const LightAim& source, Gradient through,
                       Gradient point, const GradientView& view);

// The crossings that also lie on the isophote of `third` through `through`: the marks all three
// sources share.
std::vector<Gradient> CrossingsSharedBy(const RenderState& lastPass, const LightAim& third,
                                        Gradient through, const std::vector<Gradient>& crossings,
                                        const GradientView& view);
