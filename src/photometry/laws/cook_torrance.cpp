#include <array>
#include <cmath>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

// Weight of the lobe, Beckmann rms slope, Fresnel reflectance at normal incidence.
constexpr std::array<LawParameterSpec, 3> kParameters{
    {{"s", 0.0, 1.0, 0.5, GS_TRANSLATE_NOOP("CoreTexts", "Доля блика s")},
     {"m", 0.01, 1.0, 0.3, GS_TRANSLATE_NOOP("CoreTexts", "Наклон микрограней m")},
     {"F0", 0.001, 1.0, 0.04, GS_TRANSLATE_NOOP("CoreTexts", "Отражение по нормали F₀")}}};

// The starter: with u = ci + ce and v = 2 + 2 cg, the half vector's cos^2 is u^2 / v and
// 2 cos(h) / cos(g / 2) is 4 u / v.
constexpr double kSchlickPower = 5.0;

// Schlick's F at the pass's g over F0.
void Prepare(LawConstants& law) {
  const double f0 = law.settings.parameters[kCookTorranceF0];
  const double cosHalfG = law.halfLength / 2.0;  // V.H = S.H = cos(g / 2)
  const double fresnel = f0 + (1.0 - f0) * std::pow(1.0 - cosHalfG, kSchlickPower);
  law.fresnelRatio = fresnel / f0;
}

constexpr LawDescription kLaw{
    .kind = kCookTorrance,
    .name = "cook-torrance",
    .parameters = kParameters,
    .starterFormula =
        "(1-s)*ci + (ci+ce > 0 && ce > 0 ? s * exp(((ci+ce)^2 - 2 - 2*cg)/((ci+ce)^2*m^2))"
        " * (2+2*cg)^2/(ci+ce)^4 * (F0 + (1-F0)*(1 - sqrt(2+2*cg)/2)^5)/F0"
        " * min(1, 4*(ci+ce)*ce/(2+2*cg), 4*(ci+ce)*ci/(2+2*cg)) / ce : 0)",
    .helpAnchor = "law-cook-torrance",
    .phi = CookTorrancePhi,
    .prepare = Prepare,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Кук — Торранс"),
    .formulaHtml = GS_TRANSLATE_NOOP(
        "LawDescriptions",
        "ф = (1 − s) μ<sub>0</sub> + s · D F G / (4μ), лепесток делится на своё значение при "
        "i = e = g = 0<br>"
        "D — Бекманн с наклоном m, F — Шлик с F<sub>0</sub>, G — затенение микрогранями"),
    .source =
        "R. L. Cook, K. E. Torrance. A reflectance model for computer graphics. <i>ACM "
        "Transactions on Graphics</i>, 1(1), 1982.",
    .helpTitle = "Модель Кука — Торранса",
    .helpTitleEn = "The Cook–Torrance model",
};

}  // namespace

const LawDescription& CookTorranceLaw() { return kLaw; }
