#include <array>

#include "model/render_state.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 2> kParameters{
    {{"s", 0.0, 1.0, 0.5}, {"n", 0.0, 1000.0, 16.0}}};

constexpr LawDescription kLaw{kBlinnPhong, "blinn-phong", kParameters,
                              "(1-s)*ci + s * max(0, (ci+ce)/sqrt(2+2*cg))^n", "law-blinn-phong"};

}  // namespace

const LawDescription& BlinnPhongLaw() { return kLaw; }
