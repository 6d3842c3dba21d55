#pragma once
// The isophote through an orientation: the curve of gradient space where a source's phi (the
// function's own value, the readout's "phi") equals a given value, as the picture pixels that
// draw it 1 pixel thin: wherever phi - value changes sign between two neighbouring pixel centres
// (across or down), the one of the two nearer the curve (the smaller |phi - value|).
//
//   pixel centre -> GradientAtPixel -> SourcePhiField::FunctionPhi - value -> sign changes

#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/render_state.h"

// The pixels of the isophote phi = `phi` of `source` over a width x height map of the last pass
// in `view`, each once, row by row from the top (whole x and y). Samples whose phi is not
// finite take no part.
std::vector<PixelPoint> IsophotePixels(const GradientView& view, int width, int height,
                                       const RenderState& lastPass, const LightAim& source,
                                       float phi);
