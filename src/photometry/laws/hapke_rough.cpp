#include <array>
#include <cmath>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/coherent_backscatter.h"
#include "photometry/hapke_h_function.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"
#include "photometry/macroscopic_roughness.h"

namespace {

// Hapke's four, then the mean slope of the unresolved facets, the coherent backscatter's
// amplitude (0: none) and width, and the year of the H-function's approximation. At theta-bar
// = 0, B_C0 = 0 and 1981 the law is Hapke's own, value for value.
constexpr std::array<LawParameterSpec, 8> kParameters{{
    {"w", 0.0, 1.0, 0.25, GS_TRANSLATE_NOOP("CoreTexts", "Альбедо однократного рассеяния w")},
    {"B0", 0.0, 2.0, 1.0, GS_TRANSLATE_NOOP("CoreTexts", "Амплитуда оппозиционного эффекта B₀")},
    {"h", 0.001, 2.0, 0.06, GS_TRANSLATE_NOOP("CoreTexts", "Ширина оппозиционного эффекта h")},
    {"xi", -0.99, 0.99, -0.25, GS_TRANSLATE_NOOP("CoreTexts", "Асимметрия индикатрисы ξ")},
    {"theta", 0.0, 60.0, 20.0, GS_TRANSLATE_NOOP("CoreTexts", "Средний наклон θ̄, °"), "degrees"},
    {"BC0", 0.0, 2.0, 0.0,
     GS_TRANSLATE_NOOP("CoreTexts", "Амплитуда когерентного обратного рассеяния B_C0")},
    {"hC", 0.001, 2.0, 0.05,
     GS_TRANSLATE_NOOP("CoreTexts", "Ширина когерентного обратного рассеяния h_C")},
    {"Hyear", kHapkeH1981, kHapkeH2002, kHapkeH1981,
     GS_TRANSLATE_NOOP("CoreTexts", "Приближение H(x), год: 1981 или 2002"), "",
     "1981 or 2002 only",
     /*twoValued=*/true},
}};

double RoughH(double x, const LawConstants& law) {
  return law.hapkeH2002 ? HapkeH2002(x, law.hapkeW, law.hapkeR0) : HapkeH(x, law.hapkeGamma);
}

// r = mu0e / (mu0e + mue) [(1 + B(g)) P(g) + H(mu0e) H(mue) - 1] (1 + B_C(g)) S(i, e, g), over
// its value at i = e = g = 0: Hapke's (1984) rough surface's r_R with the coherent backscatter
// multiplier of Hapke (2002).
double Phi(double mu0, double mu, const LawConstants& law) {
  const EffectiveCosines c = RoughSurface(mu0, mu, law.cosG, law.roughness);
  const double multiple = RoughH(c.mu0e, law) * RoughH(c.mue, law);
  return c.mu0e / (c.mu0e + c.mue) * (law.hapkePhasePart + multiple) / law.hapkeNormaliser *
         law.hapkeCoherent * c.shadowing;
}

void Prepare(LawConstants& law) {
  HapkeLaw().prepare(law);  // gamma, (1 + B(g)) P(g) - 1 and the smooth normaliser
  const auto& p = law.settings.parameters;
  const double bc0 = p[kHapkeRoughBc0];
  law.hapkeW = p[kHapkeW];
  law.hapkeH2002 = p[kHapkeRoughHYear] == kHapkeH2002;
  law.hapkeR0 = DiffusiveReflectance(law.hapkeW);
  law.roughness = MakeRoughness(p[kHapkeRoughTheta]);
  law.hapkeCoherent = 1.0 + CoherentBackscatter(law.angleG, bc0, p[kHapkeRoughHc]);
  // At i = e = g = 0 both effective cosines are chi and S = 1.
  if (law.hapkeH2002 || law.roughness.chi != 1.0) {
    const double h0 = RoughH(law.roughness.chi, law);
    law.hapkeNormaliser =
        0.5 * ((1.0 + p[kHapkeB0]) * HenyeyGreenstein(1.0, p[kHapkeXi]) + h0 * h0 - 1.0);
  }
  law.hapkeNormaliser *= 1.0 + bc0;
}

constexpr LawDescription kLaw{
    .kind = kHapkeRough,
    .name = "hapke-rough",
    .parameters = kParameters,
    .starterFormula = "",  // beyond a typed formula's four parameters
    .helpAnchor = "law-hapke-rough",
    .phi = Phi,
    .prepare = Prepare,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Хапке с шероховатостью"),
    .formulaHtml = GS_TRANSLATE_NOOP(
        "LawDescriptions",
        "ф ∝ μ<sub>0e</sub>/(μ<sub>0e</sub> + μ<sub>e</sub>) · [(1 + B(g)) P(g) + "
        "H(μ<sub>0e</sub>) H(μ<sub>e</sub>) − 1] · (1 + B<sub>C</sub>(g)) · S(i, e, g), "
        "ф = 1 при i = e = g = 0<br>"
        "μ<sub>0e</sub>, μ<sub>e</sub>, S — косинусы и затенение шероховатой поверхности со "
        "средним наклоном θ̄;<br>"
        "B<sub>C</sub>(g) = B<sub>C0</sub> (1 + (1 − e<sup>−z</sup>)/z) / (2(1 + z)<sup>2</sup>), "
        "z = tg(g/2) / h<sub>C</sub>;<br>"
        "H(x) 1981 года: (1 + 2x)/(1 + 2γx); 2002 года: 1/(1 − wx(r<sub>0</sub> + "
        "(1 − 2r<sub>0</sub>x)/2 · ln((1 + x)/x))), r<sub>0</sub> = (1 − γ)/(1 + γ)"),
    .source =
        "B. Hapke. Bidirectional reflectance spectroscopy. 3. Correction for macroscopic "
        "roughness. <i>Icarus</i>, 59, 1984; 5. The coherent backscatter opposition effect and "
        "anisotropic scattering. <i>Icarus</i>, 157, 2002.",
    .helpTitle = "Закон Хапке с шероховатостью",
    .helpTitleEn = "Hapke's law with roughness",
};

}  // namespace

const LawDescription& HapkeRoughLaw() { return kLaw; }
