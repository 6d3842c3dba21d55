#include <array>
#include <numbers>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 1> kParameters{{{"L", 0.0, 1.0, 0.5}}};

// The starter takes the fixed L.
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

double Phi(double mu0, double mu, const LawConstants& law) {
  return LunarLambertPhi(mu0, mu, law.lunarLambertL);
}

// The fixed L, or McEwen's L(g).
void Prepare(LawConstants& law) {
  law.lunarLambertL = law.settings.lunarLambertMcEwen ? McEwenL(law.angleG * kDegreesPerRadian)
                                                      : law.settings.parameters[kLunarLambertL];
}

constexpr LawDescription kLaw{kLunarLambert,
                              "lunar-lambert",
                              kParameters,
                              "L * 2*ci/(ci+ce) + (1-L) * ci",
                              "law-lunar-lambert",
                              Phi,
                              Prepare};

}  // namespace

const LawDescription& LunarLambertLaw() { return kLaw; }
