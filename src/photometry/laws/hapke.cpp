#include <array>
#include <cmath>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

// Single-scattering albedo, opposition surge amplitude and width, Henyey-Greenstein asymmetry
// (negative: backscattering, as for most planetary regoliths).
constexpr std::array<LawParameterSpec, 4> kParameters{
    {{"w", 0.0, 1.0, 0.25, GS_TRANSLATE_NOOP("CoreTexts", "Альбедо однократного рассеяния w")},
     {"B0", 0.0, 2.0, 1.0, GS_TRANSLATE_NOOP("CoreTexts", "Амплитуда оппозиционного эффекта B₀")},
     {"h", 0.001, 2.0, 0.06, GS_TRANSLATE_NOOP("CoreTexts", "Ширина оппозиционного эффекта h")},
     {"xi", -0.99, 0.99, -0.25, GS_TRANSLATE_NOOP("CoreTexts", "Асимметрия индикатрисы ξ")}}};

// The starter: H(x) = (1 + 2x) / (1 + 2 sqrt(1 - w) x), over its value at i = e = g = 0.
// The opposition surge: B0 / (1 + tan(g / 2) / h), finite at g = 0.
double OppositionSurge(double angleG, double b0, double h) {
  return b0 / (1.0 + std::tan(angleG / 2.0) / h);
}

void Prepare(LawConstants& law) {
  const auto& p = law.settings.parameters;
  const double b0 = p[kHapkeB0];
  const double xi = p[kHapkeXi];
  law.hapkeGamma = std::sqrt(1.0 - p[kHapkeW]);
  law.hapkePhasePart =
      (1.0 + OppositionSurge(law.angleG, b0, p[kHapkeH])) * HenyeyGreenstein(law.cosG, xi) - 1.0;
  const double h1 = HapkeH(1.0, law.hapkeGamma);
  law.hapkeNormaliser = 0.5 * ((1.0 + b0) * HenyeyGreenstein(1.0, xi) + h1 * h1 - 1.0);
}

constexpr LawDescription kLaw{
    .kind = kHapke,
    .name = "hapke",
    .parameters = kParameters,
    .starterFormula =
        "ci/(ci+ce) * ((1 + B0/(1 + tan(g/2)/h)) * (1-xi^2)/(1+2*xi*cg+xi^2)^1.5"
        " + (1+2*ci)/(1+2*sqrt(1-w)*ci) * (1+2*ce)/(1+2*sqrt(1-w)*ce) - 1)"
        " / (0.5*((1+B0)*(1-xi^2)/(1+2*xi+xi^2)^1.5 + (3/(1+2*sqrt(1-w)))^2 - 1))",
    .helpAnchor = "law-hapke",
    .phi = HapkePhi,
    .prepare = Prepare,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Хапке"),
    .formulaHtml = GS_TRANSLATE_NOOP(
        "LawDescriptions",
        "ф ∝ μ<sub>0</sub>/(μ<sub>0</sub> + μ) · [(1 + B(g)) P(g) + H(μ<sub>0</sub>) H(μ) − 1], "
        "ф = 1 при i = e = g = 0<br>"
        "B(g) = B<sub>0</sub> / (1 + tg(g/2) / h), P — Хеньи — Гринстейн с асимметрией ξ,<br>"
        "H(x) = (1 + 2x) / (1 + 2γx), γ = √(1 − w)"),
    .source = GS_TRANSLATE_NOOP(
        "LawDescriptions",
        "B. Hapke. Bidirectional reflectance spectroscopy. 1. Theory. <i>Journal of Geophysical "
        "Research</i>, 86, 1981; B(g) — в форме из части 4, <i>Icarus</i>, 67, 1986."),
    .helpTitle = "Закон Хапке",
    .helpTitleEn = "Hapke's law",
};

}  // namespace

const LawDescription& HapkeLaw() { return kLaw; }
