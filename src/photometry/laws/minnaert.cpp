#include <array>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 1> kParameters{
    {{"k", 0.0, 2.0, 0.7, GS_TRANSLATE_NOOP("CoreTexts", "Показатель k")}}};

double Phi(double mu0, double mu, const LawConstants& law) {
  return MinnaertPhi(mu0, mu, law.settings.parameters[kMinnaertK]);
}

constexpr LawDescription kLaw{
    .kind = kMinnaert,
    .name = "minnaert",
    .parameters = kParameters,
    .starterFormula = "ci^k * ce^(k-1)",
    .helpAnchor = "law-minnaert",
    .phi = Phi,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Миннарт"),
    .formulaHtml =
        GS_TRANSLATE_NOOP("LawDescriptions", "ф = μ<sub>0</sub><sup>k</sup> · μ<sup>k−1</sup>"),
    .source =
        "M. Minnaert. The reciprocity principle in lunar photometry. <i>Astrophysical "
        "Journal</i>, 93, 1941.",
    .helpTitle = "Закон Миннарта",
    .helpTitleEn = "Minnaert's law",
};

}  // namespace

const LawDescription& MinnaertLaw() { return kLaw; }
