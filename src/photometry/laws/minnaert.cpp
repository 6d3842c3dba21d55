#include <array>

#include "model/render_state.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 1> kParameters{{{"k", 0.0, 2.0, 0.7}}};

constexpr LawDescription kLaw{kMinnaert, "minnaert", kParameters, "ci^k * ce^(k-1)",
                              "law-minnaert"};

}  // namespace

const LawDescription& MinnaertLaw() { return kLaw; }
