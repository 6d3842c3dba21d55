#include "photometry/laws/law_registry.h"

#include <array>
#include <vector>

#include "model/render_state.h"

namespace {

// The custom formula names its parameters itself (custom_formula.h), so it lists none.
constexpr LawDescription kFormulaLaw{kFormula, "formula", {}, {}, "law-formula"};

std::vector<LawDescription>& Registry() {
  static std::vector<LawDescription> laws{
      MinnaertLaw(), LommelSeeligerLaw(), LunarLambertLaw(), OrenNayarLaw(),
      HapkeLaw(),    BlinnPhongLaw(),     CookTorranceLaw(), kFormulaLaw,
  };
  return laws;
}

}  // namespace

std::span<const LawDescription> RegisteredLaws() { return Registry(); }

void RegisterLaw(const LawDescription& law) { Registry().push_back(law); }
