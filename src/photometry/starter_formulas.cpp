#include "photometry/starter_formulas.h"

#include <array>

#include "model/render_state.h"

namespace {

struct Starter {
  int32_t kind;
  std::string_view text;
};

// Oren-Nayar: B / A with s2 = (sigma in radians)^2, the azimuth's cosine held within 0 to 1.
// Hapke: H(x) = (1 + 2x) / (1 + 2 sqrt(1 - w) x), over its value at i = e = g = 0.
// Cook-Torrance: with u = ci + ce and v = 2 + 2 cg, the half vector's cos^2 is u^2 / v and
// 2 cos(h) / cos(g / 2) is 4 u / v.
constexpr std::array<Starter, 7> kStarters{{
    {kMinnaert, "ci^k * ce^(k-1)"},
    {kLommelSeeliger, "2*ci / (ci+ce)"},
    {kLunarLambert, "L * 2*ci/(ci+ce) + (1-L) * ci"},
    {kOrenNayar,
     "ci * (1 + 0.45*(sigma*pi/180)^2/((sigma*pi/180)^2+0.09)"
     " / (1 - 0.5*(sigma*pi/180)^2/((sigma*pi/180)^2+0.33))"
     " * max(0, min(1, (cg - ci*ce)/(sin(i)*sin(e)))) * sin(max(i, e)) * tan(min(i, e)))"},
    {kHapke,
     "ci/(ci+ce) * ((1 + B0/(1 + tan(g/2)/h)) * (1-xi^2)/(1+2*xi*cg+xi^2)^1.5"
     " + (1+2*ci)/(1+2*sqrt(1-w)*ci) * (1+2*ce)/(1+2*sqrt(1-w)*ce) - 1)"
     " / (0.5*((1+B0)*(1-xi^2)/(1+2*xi+xi^2)^1.5 + (3/(1+2*sqrt(1-w)))^2 - 1))"},
    {kBlinnPhong, "(1-s)*ci + s * max(0, (ci+ce)/sqrt(2+2*cg))^n"},
    {kCookTorrance,
     "(1-s)*ci + (ci+ce > 0 && ce > 0 ? s * exp(((ci+ce)^2 - 2 - 2*cg)/((ci+ce)^2*m^2))"
     " * (2+2*cg)^2/(ci+ce)^4 * (F0 + (1-F0)*(1 - sqrt(2+2*cg)/2)^5)/F0"
     " * min(1, 4*(ci+ce)*ce/(2+2*cg), 4*(ci+ce)*ci/(2+2*cg)) / ce : 0)"},
}};

}  // namespace

std::string_view StarterFormula(int32_t reflectanceKind) {
  for (const Starter& starter : kStarters) {
    if (starter.kind == reflectanceKind) return starter.text;
  }
  return {};
}
