#include <array>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

// sigma in degrees: the spread of the facets' slopes.
constexpr std::array<LawParameterSpec, 1> kParameters{{{"sigma", 0.0, 60.0, 20.0}}};

// The starter: B / A with s2 = (sigma in radians)^2, the azimuth's cosine held within 0 to 1.
double Phi(double mu0, double mu, const LawConstants& law) {
  return OrenNayarPhi(mu0, mu, law.cosG, law.orenNayarRatio);
}

void Prepare(LawConstants& law) {
  law.orenNayarRatio = OrenNayarRatio(law.settings.parameters[kOrenNayarSigma]);
}

constexpr LawDescription kLaw{
    kOrenNayar,
    "oren-nayar",
    kParameters,
    "ci * (1 + 0.45*(sigma*pi/180)^2/((sigma*pi/180)^2+0.09)"
    " / (1 - 0.5*(sigma*pi/180)^2/((sigma*pi/180)^2+0.33))"
    " * max(0, min(1, (cg - ci*ce)/(sin(i)*sin(e)))) * sin(max(i, e)) * tan(min(i, e)))",
    "law-oren-nayar",
    Phi,
    Prepare};

}  // namespace

const LawDescription& OrenNayarLaw() { return kLaw; }
