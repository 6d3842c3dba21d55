#include "curves/phase_law.h"

#include <cmath>

#include "photometry/law_catalogue.h"
#include "photometry/reflectance.h"

PhaseLaw::PhaseLaw(const RenderState& state, double g) : state_(state), cosG_(std::cos(g)) {
  state_.sourceSlant = static_cast<float>(g);
  if (IsAdditionalLaw(state_.reflectanceKind)) {
    law_ = MakeLawConstants(state_, cosG_);
    law_.angleG = g;
  }
}

double PhaseLaw::Phi(double mu0, double mu) const {
  switch (state_.reflectanceKind) {
    case kMatte:
      return mu0;
    case kRocky:
      return mu0 / mu;
    case kGlossy:
      return GlossyPhi(static_cast<float>(mu0), static_cast<float>(mu), cosG_, state_.glossS,
                       state_.glossN);
    default:
      return AdditionalLawPhiInDouble(mu0, mu, law_);
  }
}
