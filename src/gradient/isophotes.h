#pragma once
// The isophote through an orientation: the curve of gradient space where a source's phi (the
// function's own value, the readout's "phi") equals a given value. It is drawn 1 pixel thin by
// marking, wherever phi - value changes sign between two neighbouring pixel centres (across or
// down), the one of the two nearer the curve (the smaller |phi - value|).
//
//   pixel centre -> GradientAtPixel -> SourcePhiField::FunctionPhi - value -> sign changes

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/picture.h"
#include "model/render_state.h"

// Draws the isophote phi = `phi` of `source` over a map of the last pass in `view`. Samples
// whose phi is not finite take no part.
void DrawIsophote(Picture& picture, const GradientView& view, const RenderState& lastPass,
                  const LightAim& source, float phi, Rgb colour);
