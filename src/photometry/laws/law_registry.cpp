#include "photometry/laws/law_registry.h"

#include <vector>

namespace {

std::vector<LawDescription>& Registry() {
  static std::vector<LawDescription> laws{
      MinnaertLaw(),   LommelSeeligerLaw(), LunarLambertLaw(), OrenNayarLaw(), HapkeLaw(),
      HapkeRoughLaw(), BlinnPhongLaw(),     CookTorranceLaw(), FormulaLaw(),
  };
  return laws;
}

}  // namespace

std::span<const LawDescription> RegisteredLaws() { return Registry(); }

// Before the custom formula, which closes the list as it closes the menu.
void RegisterLaw(const LawDescription& law) {
  std::vector<LawDescription>& laws = Registry();
  laws.insert(laws.end() - 1, law);
}
