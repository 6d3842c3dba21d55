#pragma once
// The light a law sends to the observer from a cell of gradient (p, q) under one source, with
// unit albedo: what a camera records before noise and quantisation, and what the recovery
// methods fit. Matte is N.S in 64-bit (the photometric stereo's exact case); every other law is
// its 32-bit phi as the map reads it (SourcePhiField). Never below 0: the shadow zones' negative
// phi is no light.
//
//   (p, q) -> N = (-p, -q, 1) / sqrt(1 + p^2 + q^2) -> max(0, N.S) or max(0, phi)

#include "gradient/light_sources.h"
#include "gradient/source_phi.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"

class LawIntensity {
 public:
  LawIntensity(const RenderState& law, const LightAim& source);

  double operator()(Gradient gradient) const;

  // The intensity and its slopes along p and q by differences of `step`.
  struct Slopes {
    double value = 0.0;
    double alongP = 0.0;
    double alongQ = 0.0;
  };
  Slopes WithSlopes(Gradient gradient) const;

 private:
  SourcePhiField field_;
  SourceDirection direction_;
  bool matte_ = false;
  double step_ = 0.0;  // of the numeric slopes: finer for matte's 64-bit values
};
