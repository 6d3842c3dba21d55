#pragma once
// phi of a state's function for a source at phase angle g, from mu0 = cos i and mu = cos e, in
// 64-bit: what the phase curve and the disc's photometry sum over the lit, visible disc. The
// state is copied; its additional law's constants are formed once for that g.

#include "model/render_state.h"
#include "photometry/additional_laws.h"

class PhaseLaw {
 public:
  PhaseLaw(const RenderState& state, double g);

  double Phi(double mu0, double mu) const;

 private:
  RenderState state_;
  double cosG_;
  LawConstants law_;
};
