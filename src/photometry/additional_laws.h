#pragma once
// The additional reflectance laws: phi from the cosines of incidence and emission the pass
// stores, mu0 = cosI and mu = cosE, and the phase angle g of the pass's source, which is the same
// for every sample. Each law is evaluated in double and returned as the 32-bit phi the colouring
// reads; every one is 1 at i = e = g = 0. Where mu0 <= 0 each takes phi = mu0, so the shadow
// zones mean what they mean for the matte function. Angles are the true angles (0 to pi) and
// degrees convert with the true pi.
//
//   RenderState (reflectanceKind, law, sourceSlant) -> MakeLawConstants, once a pass
//   cosI, cosE, LawConstants -> AdditionalLawPhi, per sample

#include <cstdint>
#include <memory>

#include "model/render_state.h"
#include "photometry/macroscopic_roughness.h"

class CustomFormula;

// What the law of a pass needs beyond the two cosines, formed once for the pass.
struct LawConstants {
  int32_t kind = 0;
  double (*phi)(double mu0, double mu, const LawConstants& law) = nullptr;  // the law's own
  double cosG = 1.0;    // cos g, as the glossy function takes it: cos(sourceSlant)
  double angleG = 0.0;  // g in radians, 0 to pi, whatever the slant typed
  LawSettings settings;
  double lunarLambertL = 0.0;    // the fixed L, or McEwen's L(g)
  double orenNayarRatio = 0.0;   // B / A
  double hapkePhasePart = 0.0;   // (1 + B(g)) P(g) - 1
  double hapkeGamma = 1.0;       // sqrt(1 - w)
  double hapkeNormaliser = 1.0;  // mu0 / (mu0 + mu) [ ... ] at i = e = g = 0
  // Hapke's law with roughness: the 2002 H-function or the 1981 one, the coherent backscatter
  // multiplier 1 + B_C0 B_C(g), and the roughness of the surface.
  bool hapkeH2002 = false;
  double hapkeW = 0.0;
  double hapkeR0 = 0.0;
  double hapkeCoherent = 1.0;
  RoughnessConstants roughness;
  double halfLength = 2.0;    // |S + V| = sqrt(2 + 2 cos g)
  double fresnelRatio = 1.0;  // Schlick's F at the pass's g over F0
};

LawConstants MakeLawConstants(const RenderState& state, double cosSlant);

// The law's phi in double from cosines in double, mu0 where mu0 <= 0: for computations beyond
// the picture (the disc-integrated phase curve).
double AdditionalLawPhiInDouble(double mu0, double mu, const LawConstants& law);

// phi of the pass's additional law at a sample.
float AdditionalLawPhi(float cosI, float cosE, const LawConstants& law);

// The laws themselves, in double, for mu0 > 0 (named after their authors).
double MinnaertPhi(double mu0, double mu, double k);
double LommelSeeligerPhi(double mu0, double mu);
double LunarLambertPhi(double mu0, double mu, double weightL);
// McEwen's (1996) lunar L(g), g in degrees, held within the parameter's range 0 to 1.
double McEwenL(double gDegrees);
// The qualitative Oren-Nayar model divided by its A, so that phi = 1 at i = e = 0.
double OrenNayarPhi(double mu0, double mu, double cosG, double bOverA);
double OrenNayarRatio(double sigmaDegrees);
// The Henyey-Greenstein phase function of asymmetry xi at cos g.
double HenyeyGreenstein(double cosG, double xi);
// Hapke's 1981 law, H by its (1 + 2x) / (1 + 2 gamma x) approximation.
double HapkeH(double x, double gamma);
double HapkePhi(double mu0, double mu, const LawConstants& law);
// cos of the angle between the normal and the half vector of S and V, 0 where it is undefined
// (S = -V) or negative.
double HalfVectorCos(double mu0, double mu, double halfLength);
double BlinnPhongPhi(double mu0, double mu, double s, double n, double halfLength);
double CookTorrancePhi(double mu0, double mu, const LawConstants& law);
