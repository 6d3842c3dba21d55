#include <array>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 1> kParameters{{{"k", 0.0, 2.0, 0.7}}};

double Phi(double mu0, double mu, const LawConstants& law) {
  return MinnaertPhi(mu0, mu, law.settings.parameters[kMinnaertK]);
}

constexpr LawDescription kLaw{kMinnaert,         "minnaert",     kParameters,
                              "ci^k * ce^(k-1)", "law-minnaert", Phi};

}  // namespace

const LawDescription& MinnaertLaw() { return kLaw; }
