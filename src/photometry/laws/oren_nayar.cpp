#include <array>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/laws/law_registry.h"

namespace {

// sigma in degrees: the spread of the facets' slopes.
constexpr std::array<LawParameterSpec, 1> kParameters{
    {{"sigma", 0.0, 60.0, 20.0, GS_TRANSLATE_NOOP("CoreTexts", "Шероховатость σ, °"), "degrees"}}};

// The starter: B / A with s2 = (sigma in radians)^2, the azimuth's cosine held within 0 to 1.
double Phi(double mu0, double mu, const LawConstants& law) {
  return OrenNayarPhi(mu0, mu, law.cosG, law.orenNayarRatio);
}

void Prepare(LawConstants& law) {
  law.orenNayarRatio = OrenNayarRatio(law.settings.parameters[kOrenNayarSigma]);
}

constexpr LawDescription kLaw{
    .kind = kOrenNayar,
    .name = "oren-nayar",
    .parameters = kParameters,
    .starterFormula =
        "ci * (1 + 0.45*(sigma*pi/180)^2/((sigma*pi/180)^2+0.09)"
        " / (1 - 0.5*(sigma*pi/180)^2/((sigma*pi/180)^2+0.33))"
        " * max(0, min(1, (cg - ci*ce)/(sin(i)*sin(e)))) * sin(max(i, e)) * tan(min(i, e)))",
    .helpAnchor = "law-oren-nayar",
    .phi = Phi,
    .prepare = Prepare,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Орен — Наяр"),
    .formulaHtml = GS_TRANSLATE_NOOP(
        "LawDescriptions",
        "ф = μ<sub>0</sub> · (1 + (B/A) · max(0, cos Δφ) · sin α · tg β)<br>"
        "A = 1 − 0,5σ<sup>2</sup>/(σ<sup>2</sup> + 0,33), B = 0,45σ<sup>2</sup>/(σ<sup>2</sup> + "
        "0,09), α = max(i, e), β = min(i, e)"),
    .source =
        "M. Oren, S. K. Nayar. Generalization of Lambert's reflectance model. "
        "<i>SIGGRAPH 94</i>, 1994.",
    .helpTitle = "Модель Орен — Наяра",
    .helpTitleEn = "The Oren–Nayar model",
};

}  // namespace

const LawDescription& OrenNayarLaw() { return kLaw; }
