#include <array>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 2> kParameters{
    {{"s", 0.0, 1.0, 0.5}, {"n", 0.0, 1000.0, 16.0}}};

double Phi(double mu0, double mu, const LawConstants& law) {
  const auto& p = law.settings.parameters;
  return BlinnPhongPhi(mu0, mu, p[kBlinnPhongS], p[kBlinnPhongN], law.halfLength);
}

constexpr LawDescription kLaw{kBlinnPhong,       "blinn-phong",
                              kParameters,       "(1-s)*ci + s * max(0, (ci+ce)/sqrt(2+2*cg))^n",
                              "law-blinn-phong", Phi};

}  // namespace

const LawDescription& BlinnPhongLaw() { return kLaw; }
