#pragma once
// The photometry module's entry (builds on model only): the two per-sample shaders, over
// sphere_geometry (the line of sight and its hit), reflectance (phi), sample_colour (phi to
// colour) and pass_constants (what a pass computes once). The raster pass sets px, py, dx, dy and
// subSample in the RenderState (and zeroes sumR/sumG/sumB before sub-sample 1 of a smoothed pixel),
// then calls one of them:
//   sample offset -> line of sight -> sphere point and angles i, e, g -> phi -> colour
// With subSample 0 the shader paints its pixel itself at (px, height - py); with 1 to 4 it adds
// the sample's colour to sumR, sumG, sumB and paints nothing. A background sample paints nothing
// (or adds the background colour to the sums).

#include "model/picture.h"
#include "model/render_state.h"

// Values that are the same for every sample of a pass (sines and cosines of the rotations, band
// bounds, ...), computed once from the RenderState after the shade command has read its inputs.
// Shading with them is bit-identical to shading without them.
struct PassConstants;  // defined in photometry/pass_constants.h

void ShadeGreyPixel(RenderState& state, Picture& picture);
void ShadeColourPixel(RenderState& state, Picture& picture);
void ShadeGreyPixel(RenderState& state, Picture& picture, const PassConstants& pass);
void ShadeColourPixel(RenderState& state, Picture& picture, const PassConstants& pass);
