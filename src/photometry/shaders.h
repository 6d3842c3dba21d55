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

#include <optional>

#include "model/picture.h"
#include "model/render_state.h"
#include "photometry/line_of_sight.h"
#include "photometry/sample_colour.h"

// Values that are the same for every sample of a pass (sines and cosines of the rotations, band
// bounds, ...), computed once from the RenderState after the shade command has read its inputs.
// Shading with them is bit-identical to shading without them.
struct PassConstants;  // defined in photometry/pass_constants.h

void ShadeGreyPixel(RenderState& state, Picture& picture);
void ShadeColourPixel(RenderState& state, Picture& picture);
void ShadeGreyPixel(RenderState& state, Picture& picture, const PassConstants& pass);
void ShadeColourPixel(RenderState& state, Picture& picture, const PassConstants& pass);

// The colour of the sample at state.dx, state.dy into the sums, as ShadeGreyPixel and
// ShadeColourPixel form it, painting nothing: false for a background sample (which adds the
// background to the sums with subSample 1 to 4, and leaves them as they were with 0).
bool ColourGreySample(RenderState& state, const PassConstants& pass);
bool ColourColourSample(RenderState& state, const PassConstants& pass);

// The colour of a sample whose surface point is known into the sums, as ShadeSurfacePoint forms
// it, painting nothing.
void ColourSurfacePoint(const Point3& surfacePoint, RenderState& state, const PassConstants& pass);

// The colour of a sample whose function's own phi is known into the sums, as ColourSurfacePoint
// colours the phi it finds: bounded above, zoned and toned (under the exposure). A surface
// image's pixel is coloured from its phi times its albedo.
void ColourPhi(float functionPhi, RenderState& state, const PassConstants& pass);

// Shades one sample whose surface point (its own normal) is already known, as the pass's shader
// (chosen by showIsolines) colours and paints a point of the sphere. The gradient-space map
// shades through it.
void ShadeSurfacePoint(const Point3& surfacePoint, RenderState& state, Picture& picture,
                       const PassConstants& pass);

// What the pass's shader computes at a sample, without painting: for the readout under the
// pointer and for the gradient-space map.
struct SampleReading {
  Point3 surfacePoint;
  float cosI = 0.0F;         // as the pass stores it
  float cosE = 0.0F;         // the z of the point; 1 where the z is rounded beyond +-1
  float functionPhi = 0.0F;  // the function's own value, before the upper bound
  float phi = 0.0F;          // the value the colouring uses: after the upper bound
  PhiZone zone;
};

// The reading at a given surface point, by the rules of the shader showIsolines chooses.
SampleReading ReadSurfacePoint(const Point3& surfacePoint, const RenderState& state,
                               const PassConstants& pass);

// The reading of the sample at state.dx, state.dy; nothing for a background sample.
std::optional<SampleReading> ReadSample(const RenderState& state, const PassConstants& pass);
