#include <array>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr std::array<LawParameterSpec, 2> kParameters{
    {{"s", 0.0, 1.0, 0.5, GS_TRANSLATE_NOOP("CoreTexts", "Доля блика s")},
     {"n", 0.0, 1000.0, 16.0, GS_TRANSLATE_NOOP("CoreTexts", "Показатель n")}}};

double Phi(double mu0, double mu, const LawConstants& law) {
  const auto& p = law.settings.parameters;
  return BlinnPhongPhi(mu0, mu, p[kBlinnPhongS], p[kBlinnPhongN], law.halfLength);
}

constexpr LawDescription kLaw{
    .kind = kBlinnPhong,
    .name = "blinn-phong",
    .parameters = kParameters,
    .starterFormula = "(1-s)*ci + s * max(0, (ci+ce)/sqrt(2+2*cg))^n",
    .helpAnchor = "law-blinn-phong",
    .phi = Phi,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Блинн — Фонг"),
    .formulaHtml = GS_TRANSLATE_NOOP(
        "LawDescriptions", "ф = (1 − s) μ<sub>0</sub> + s · cos<sup>n</sup> θ<sub>h</sub>"),
    .source =
        "J. F. Blinn. Models of light reflection for computer synthesized pictures. "
        "<i>SIGGRAPH 77</i>, 1977.",
    .helpTitle = "Модель Блинна — Фонга",
    .helpTitleEn = "The Blinn–Phong model",
};

}  // namespace

const LawDescription& BlinnPhongLaw() { return kLaw; }
