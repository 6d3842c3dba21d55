#include <array>
#include <numbers>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 1> kParameters{
    {{"L", 0.0, 1.0, 0.5, GS_TRANSLATE_NOOP("CoreTexts", "Вес L"), "",
      "or L=mcewen for McEwen's L(g)"}}};

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

constexpr LawDescription kLaw{
    .kind = kLunarLambert,
    .name = "lunar-lambert",
    .parameters = kParameters,
    .starterFormula = "L * 2*ci/(ci+ce) + (1-L) * ci",
    .helpAnchor = "law-lunar-lambert",
    .phi = Phi,
    .prepare = Prepare,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Лунно-ламбертова"),
    .formulaHtml = GS_TRANSLATE_NOOP(
        "LawDescriptions",
        "ф = L · 2μ<sub>0</sub> / (μ<sub>0</sub> + μ) + (1 − L) · μ<sub>0</sub><br>"
        "по Мак-Юэну: L(g) = 1 − 0,019g + 0,000242g<sup>2</sup> − 0,00000146g<sup>3</sup>, "
        "g в градусах, L от 0 до 1"),
    .source =
        "A. S. McEwen. Photometric functions for photoclinometry and other applications. "
        "<i>Icarus</i>, 92, 1991; A. S. McEwen. A precise lunar photometric function. "
        "<i>Lunar and Planetary Science</i> XXVII, 1996.",
    .helpTitle = "Лунно-ламбертов закон",
    .helpTitleEn = "The lunar-Lambert law",
};

}  // namespace

const LawDescription& LunarLambertLaw() { return kLaw; }
