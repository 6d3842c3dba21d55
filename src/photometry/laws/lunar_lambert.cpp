#include <array>

#include "model/render_state.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 1> kParameters{{{"L", 0.0, 1.0, 0.5}}};

// The starter takes the fixed L.
constexpr LawDescription kLaw{kLunarLambert, "lunar-lambert", kParameters,
                              "L * 2*ci/(ci+ce) + (1-L) * ci", "law-lunar-lambert"};

}  // namespace

const LawDescription& LunarLambertLaw() { return kLaw; }
