#pragma once
// phi of the last pass's law over gradient space, lit by one of the figure's sources. A tilt
// about the view axis leaves the observer on +z where it is, so phi from a source tilted by t at
// (p, q) is phi from the untilted source at (p, q) turned by -t about z: every law is read
// through the pass's own shading path (ReadSurfacePoint) with the source's slant. For the
// described source the reading is the map's, bit for bit.
//
//   (p, q) -> turned by -tilt -> normal -> ReadSurfacePoint (state aimed at the slant)

#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"

class SourcePhiField {
 public:
  SourcePhiField(const RenderState& lastPass, const LightAim& source);

  // What the law gives at (p, q): cos i as the pass stores it, the function's own phi and the
  // value the colouring uses.
  SampleReading Read(Gradient gradient) const;
  // The function's own phi (the readout's "phi"): the value isophotes follow.
  float FunctionPhi(Gradient gradient) const { return Read(gradient).functionPhi; }
  // The colour the map paints at (p, q), from phi times `albedo` (1: the map's colour, bit for
  // bit): bounded, zoned and toned as the pass colours phi.
  Rgb Colour(Gradient gradient, double albedo = 1.0) const;
  // cos i > 0, as the pass stores cos i.
  bool Lit(Gradient gradient) const;

 private:
  Gradient Untilted(Gradient gradient) const;

  RenderState state_;
  PassConstants pass_;
  bool tilted_ = false;
  double cosTilt_ = 1.0;
  double sinTilt_ = 0.0;
};

// The 32-bit phi the colouring uses at (p, q) under `source`: for the described source, the
// value the map's colouring used at a sample of that gradient.
float SourcePhi(const RenderState& lastPass, const LightAim& source, Gradient gradient);

// The function's own phi of each source at map pixel (x, y) of a width x height map in `view`,
// in the order given (the readout's phi2, phi3 for the extra sources).
std::vector<float> SourcePhisAtPixel(const RenderState& lastPass,
                                     const std::vector<LightAim>& sources, const GradientView& view,
                                     int width, int height, int x, int y);
