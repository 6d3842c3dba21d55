#include "photometry/starter_formulas.h"

#include "photometry/law_catalogue.h"

std::string_view StarterFormula(int32_t reflectanceKind) {
  const LawEntry* law = FindLaw(reflectanceKind);
  return law ? law->starterFormula : std::string_view{};
}
