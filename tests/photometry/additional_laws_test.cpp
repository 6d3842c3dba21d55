// The additional laws against an independent evaluation from vectors (source, observer, normal,
// half vector, azimuths) over a table of geometries, and the special cases that must reduce to
// other laws: matte, Lommel-Seeliger, Hapke's normalisation at g = 0.

#include "photometry/additional_laws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "photometry/law_catalogue.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

struct Vec {
  double x, y, z;
};
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Unit(Vec a) {
  const double n = std::sqrt(Dot(a, a));
  return {a.x / n, a.y / n, a.z / n};
}

// The normal on +z, the source at incidence i in the xz plane, the observer at emission e and
// azimuth dphi from the source.
struct Geometry {
  double iDeg, eDeg, dphiDeg;
  Vec N() const { return {0, 0, 1}; }
  Vec S() const { return {std::sin(iDeg * kDeg), 0, std::cos(iDeg * kDeg)}; }
  Vec V() const {
    const double e = eDeg * kDeg, d = dphiDeg * kDeg;
    return {std::sin(e) * std::cos(d), std::sin(e) * std::sin(d), std::cos(e)};
  }
  double Mu0() const { return static_cast<float>(std::cos(iDeg * kDeg)); }
  double Mu() const { return static_cast<float>(std::cos(eDeg * kDeg)); }
  double G() const { return std::acos(std::clamp(Dot(S(), V()), -1.0, 1.0)); }
  std::string Describe() const {
    std::ostringstream text;
    text << "i=" << iDeg << " e=" << eDeg << " dphi=" << dphiDeg;
    return text.str();
  }
};

constexpr Geometry kGeometries[] = {
    {0, 0, 0},     {30, 0, 0},    {0, 40, 0},   {30, 40, 0},   {30, 40, 90},
    {30, 40, 180}, {60, 20, 45},  {80, 70, 10}, {10, 85, 120}, {45, 45, 180},
    {45, 45, 0},   {70, 30, 270}, {5, 5, 180},  {89, 1, 60},
};

// phi of `kind` with `parameters` as a pass forms it: the slant is g, cosI and cosE floats.
double PassPhi(int32_t kind, const Geometry& at, std::array<double, kMaxLawParameters> parameters,
               bool mcEwen = false) {
  RenderState state;
  state.reflectanceKind = kind;
  state.law.parameters = parameters;
  state.law.lunarLambertMcEwen = mcEwen;
  state.sourceSlant = static_cast<float>(at.G());
  const LawConstants law = MakeLawConstants(state, std::cos(at.G()));
  return AdditionalLawPhi(static_cast<float>(at.Mu0()), static_cast<float>(at.Mu()), law);
}

double ReferenceOrenNayar(const Geometry& at, double sigmaDeg) {
  const double s2 = std::pow(sigmaDeg * kDeg, 2);
  const double a = 1 - 0.5 * s2 / (s2 + 0.33), b = 0.45 * s2 / (s2 + 0.09);
  const double alpha = std::max(at.iDeg, at.eDeg) * kDeg, beta = std::min(at.iDeg, at.eDeg) * kDeg;
  const double cosDphi = at.iDeg == 0 || at.eDeg == 0 ? 0 : std::cos(at.dphiDeg * kDeg);
  return at.Mu0() * (a + b * std::max(0.0, cosDphi) * std::sin(alpha) * std::tan(beta)) / a;
}

double ReferenceHapke(double mu0, double mu, double g, double w, double b0, double h, double xi) {
  const auto hFunction = [w](double x) { return (1 + 2 * x) / (1 + 2 * std::sqrt(1 - w) * x); };
  const auto r = [&](double m0, double m, double gg) {
    const double bg = b0 / (1 + std::tan(gg / 2) / h);
    const double p = (1 - xi * xi) / std::pow(1 + 2 * xi * std::cos(gg) + xi * xi, 1.5);
    return m0 / (m0 + m) * ((1 + bg) * p + hFunction(m0) * hFunction(m) - 1);
  };
  return r(mu0, mu, g) / r(1, 1, 0);
}

double ReferenceBlinnPhong(const Geometry& at, double s, double n) {
  const Vec src = at.S(), view = at.V();
  const Vec h = Unit({src.x + view.x, src.y + view.y, src.z + view.z});
  return (1 - s) * at.Mu0() + s * std::pow(std::max(0.0, Dot(at.N(), h)), n);
}

double ReferenceCookTorrance(const Geometry& at, double s, double m, double f0) {
  const Vec src = at.S(), view = at.V(), normal = at.N();
  const Vec h = Unit({src.x + view.x, src.y + view.y, src.z + view.z});
  const double nh = Dot(normal, h), vh = Dot(view, h), nv = Dot(normal, view),
               ns = Dot(normal, src);
  const auto beckmann = [m](double c) {
    const double t2 = (1 - c * c) / (c * c);
    return std::exp(-t2 / (m * m)) / (std::numbers::pi * m * m * std::pow(c, 4));
  };
  const double fresnel = f0 + (1 - f0) * std::pow(1 - vh, 5);
  const double shadowing = std::min({1.0, 2 * nh * nv / vh, 2 * nh * ns / vh});
  const double spec = beckmann(nh) * fresnel * shadowing / (4 * nv) / (beckmann(1) * f0 / 4);
  return (1 - s) * at.Mu0() + s * spec;
}

struct LawCase {
  const char* name;
  int32_t kind;
  std::array<double, kMaxLawParameters> parameters;
  double (*reference)(const Geometry&);
};

const LawCase kLawCases[] = {
    {"minnaert k=0.6",
     kMinnaert,
     {0.6},
     [](const Geometry& a) { return std::pow(a.Mu0(), 0.6) * std::pow(a.Mu(), -0.4); }},
    {"minnaert k=1.7",
     kMinnaert,
     {1.7},
     [](const Geometry& a) { return std::pow(a.Mu0(), 1.7) * std::pow(a.Mu(), 0.7); }},
    {"lommel-seeliger",
     kLommelSeeliger,
     {},
     [](const Geometry& a) { return 2 * a.Mu0() / (a.Mu0() + a.Mu()); }},
    {"lunar-lambert L=0.3",
     kLunarLambert,
     {0.3},
     [](const Geometry& a) { return 0.3 * 2 * a.Mu0() / (a.Mu0() + a.Mu()) + 0.7 * a.Mu0(); }},
    {"oren-nayar sigma=30",
     kOrenNayar,
     {30},
     [](const Geometry& a) { return ReferenceOrenNayar(a, 30); }},
    {"oren-nayar sigma=60",
     kOrenNayar,
     {60},
     [](const Geometry& a) { return ReferenceOrenNayar(a, 60); }},
    {"hapke",
     kHapke,
     {0.25, 1, 0.06, -0.25},
     [](const Geometry& a) {
       return ReferenceHapke(a.Mu0(), a.Mu(), a.G(), 0.25, 1, 0.06, -0.25);
     }},
    {"hapke bright forward",
     kHapke,
     {0.9, 0.4, 0.5, 0.3},
     [](const Geometry& a) { return ReferenceHapke(a.Mu0(), a.Mu(), a.G(), 0.9, 0.4, 0.5, 0.3); }},
    {"blinn-phong",
     kBlinnPhong,
     {0.5, 16},
     [](const Geometry& a) { return ReferenceBlinnPhong(a, 0.5, 16); }},
    {"cook-torrance",
     kCookTorrance,
     {0.5, 0.3, 0.04},
     [](const Geometry& a) { return ReferenceCookTorrance(a, 0.5, 0.3, 0.04); }},
    {"cook-torrance rough",
     kCookTorrance,
     {0.8, 0.7, 0.5},
     [](const Geometry& a) { return ReferenceCookTorrance(a, 0.8, 0.7, 0.5); }},
};

TEST(AdditionalLawsTest, EachLawMatchesAnIndependentEvaluation) {
  for (const LawCase& law : kLawCases) {
    for (const Geometry& at : kGeometries) {
      const double expected = law.reference(at);
      const double phi = PassPhi(law.kind, at, law.parameters);
      EXPECT_NEAR(phi, expected, 2e-6 * std::max(1.0, std::fabs(expected)))
          << law.name << " at " << at.Describe();
    }
  }
}

TEST(AdditionalLawsTest, EveryLawIsOneAtZeroAnglesAndKeepsMatteShadows) {
  for (const LawEntry& entry : AdditionalLaws()) {
    if (entry.kind == kFormula) continue;  // its value is the user's
    const LawSettings start = StartLawSettings(entry.kind);
    EXPECT_NEAR(PassPhi(entry.kind, {0, 0, 0}, start.parameters), 1.0, 1e-6) << entry.name;
    RenderState state;
    state.reflectanceKind = entry.kind;
    state.law = start;
    const LawConstants law = MakeLawConstants(state, 1.0);
    for (float cosI : {0.0F, -0.0F, -0.25F, -1.0F}) {
      EXPECT_EQ(AdditionalLawPhi(cosI, 0.5F, law), cosI) << entry.name << " cosI " << cosI;
    }
  }
}

// Minnaert k = 1, Oren-Nayar sigma = 0, Lunar-Lambert L = 0 and Blinn-Phong s = 0 are matte.
TEST(AdditionalLawsTest, ReducedLawsEqualTheMatteFunction) {
  const LawCase kMatteCases[] = {{"minnaert k=1", kMinnaert, {1}, nullptr},
                                 {"oren-nayar sigma=0", kOrenNayar, {0}, nullptr},
                                 {"lunar-lambert L=0", kLunarLambert, {0}, nullptr},
                                 {"blinn-phong s=0", kBlinnPhong, {0, 40}, nullptr}};
  for (const LawCase& law : kMatteCases) {
    for (const Geometry& at : kGeometries) {
      EXPECT_NEAR(PassPhi(law.kind, at, law.parameters), at.Mu0(), 1e-6)
          << law.name << " at " << at.Describe();
    }
  }
}

TEST(AdditionalLawsTest, LunarLambertWithWeightOneIsLommelSeeliger) {
  for (const Geometry& at : kGeometries) {
    EXPECT_EQ(PassPhi(kLunarLambert, at, {1}), PassPhi(kLommelSeeliger, at, {})) << at.Describe();
  }
}

TEST(AdditionalLawsTest, McEwenWeightFollowsTheCubicWithinZeroToOne) {
  const struct {
    double g, expected;
  } kRows[] = {{0, 1},
               {30, 1 - 0.57 + 0.2178 - 0.03942},
               {90, 1 - 1.71 + 1.9602 - 1.06434},
               {150, 0},
               {180, 0}};
  for (const auto& row : kRows) EXPECT_NEAR(McEwenL(row.g), row.expected, 1e-12) << row.g;
  const Geometry at{40, 20, 30};
  const double weight = McEwenL(at.G() / kDeg);
  EXPECT_NEAR(PassPhi(kLunarLambert, at, {0.9}, true),
              weight * 2 * at.Mu0() / (at.Mu0() + at.Mu()) + (1 - weight) * at.Mu0(), 1e-6);
}

// The opposition surge's tan(g/2)/h is 0 at g = 0 for any h: finite, and normalised to 1.
TEST(AdditionalLawsTest, HapkeIsFiniteAndNormalisedAtZeroPhase) {
  const std::array<double, kMaxLawParameters> kExtremes[] = {
      {0, 0, 0.001, -0.99}, {1, 2, 0.001, 0.99}, {1, 0, 2, 0}, {0.5, 2, 0.001, -0.99}};
  for (const auto& parameters : kExtremes) {
    EXPECT_NEAR(PassPhi(kHapke, {0, 0, 0}, parameters), 1.0, 1e-6) << parameters[0];
    for (const Geometry& at : {Geometry{30, 30, 180}, Geometry{60, 60, 180}, Geometry{80, 5, 0}}) {
      EXPECT_TRUE(std::isfinite(PassPhi(kHapke, at, parameters))) << at.Describe();
    }
  }
}

}  // namespace
