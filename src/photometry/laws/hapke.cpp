#include <array>

#include "model/render_state.h"
#include "photometry/laws/law_registry.h"

namespace {

// Single-scattering albedo, opposition surge amplitude and width, Henyey-Greenstein asymmetry
// (negative: backscattering, as for most planetary regoliths).
constexpr std::array<LawParameterSpec, 4> kParameters{{{"w", 0.0, 1.0, 0.25},
                                                       {"B0", 0.0, 2.0, 1.0},
                                                       {"h", 0.001, 2.0, 0.06},
                                                       {"xi", -0.99, 0.99, -0.25}}};

// The starter: H(x) = (1 + 2x) / (1 + 2 sqrt(1 - w) x), over its value at i = e = g = 0.
constexpr LawDescription kLaw{
    kHapke, "hapke", kParameters,
    "ci/(ci+ce) * ((1 + B0/(1 + tan(g/2)/h)) * (1-xi^2)/(1+2*xi*cg+xi^2)^1.5"
    " + (1+2*ci)/(1+2*sqrt(1-w)*ci) * (1+2*ce)/(1+2*sqrt(1-w)*ce) - 1)"
    " / (0.5*((1+B0)*(1-xi^2)/(1+2*xi+xi^2)^1.5 + (3/(1+2*sqrt(1-w)))^2 - 1))",
    "law-hapke"};

}  // namespace

const LawDescription& HapkeLaw() { return kLaw; }
