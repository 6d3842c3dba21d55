// Each law's starting formula, compiled with the law's parameter names, paints the law's own phi
// over a table of geometries and parameter values: the pass's 32-bit phi of both agree.

#include "photometry/starter_formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "photometry/additional_laws.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Incidence and emission from their cosines, as a pass stores them, and the slant.
struct Sample {
  double iDeg, eDeg, slantDeg;
};

// g = slant here; i and e range over what a sphere shows for that slant.
constexpr Sample kSamples[] = {
    {0, 0, 0},    {30, 30, 0},   {0, 40, 40},   {30, 40, 10},  {30, 40, 70},
    {60, 20, 45}, {80, 70, 150}, {10, 85, 95},  {45, 45, 90},  {70, 30, 100},
    {5, 5, 10},   {89, 1, 88},   {20, 20, 179}, {100, 20, 90},
};

struct LawCase {
  int32_t kind;
  std::array<double, kMaxLawParameters> parameters;
};

const LawCase kCases[] = {
    {kMinnaert, {0.7}},
    {kMinnaert, {1.6}},
    {kLommelSeeliger, {}},
    {kLunarLambert, {0.5}},
    {kLunarLambert, {1.0}},
    {kOrenNayar, {20.0}},
    {kOrenNayar, {60.0}},
    {kHapke, {0.25, 1.0, 0.06, -0.25}},
    {kHapke, {0.9, 0.3, 1.5, 0.6}},
    {kBlinnPhong, {0.5, 16.0}},
    {kBlinnPhong, {0.9, 200.0}},
    {kCookTorrance, {0.5, 0.3, 0.04}},
    {kCookTorrance, {1.0, 0.8, 0.9}},
};

float Phi(const RenderState& state, const Sample& at) {
  const double slant = at.slantDeg * kDeg;
  RenderState copy = state;
  copy.sourceSlant = static_cast<float>(slant);
  const LawConstants law = MakeLawConstants(copy, std::cos(static_cast<double>(copy.sourceSlant)));
  return AdditionalLawPhi(static_cast<float>(std::cos(at.iDeg * kDeg)),
                          static_cast<float>(std::cos(at.eDeg * kDeg)), law);
}

}  // namespace

TEST(StarterFormulasTest, EachLawsFormulaPaintsTheLaw) {
  for (const LawCase& lawCase : kCases) {
    const LawEntry& entry = *FindLaw(lawCase.kind);
    std::vector<std::string> names;
    for (const LawParameterSpec& parameter : entry.parameters) names.emplace_back(parameter.name);
    const std::string text(StarterFormula(lawCase.kind));
    ASSERT_FALSE(text.empty()) << entry.name;
    const CompiledFormula compiled = CompileFormula(text, names);
    ASSERT_TRUE(std::holds_alternative<std::shared_ptr<const CustomFormula>>(compiled))
        << entry.name << ": " << std::get<FormulaError>(compiled).parserMessage;

    RenderState law;
    law.reflectanceKind = lawCase.kind;
    law.law.parameters = lawCase.parameters;
    RenderState typed = law;
    typed.reflectanceKind = kFormula;
    typed.law.formula = std::get<std::shared_ptr<const CustomFormula>>(compiled);
    for (const Sample& at : kSamples) {
      const float expected = Phi(law, at);
      const float actual = Phi(typed, at);
      // Beyond the float range both overflow alike (Blinn-Phong's n = 200 as g nears 180°).
      const float tolerance =
          std::isfinite(expected) ? 1e-6F * std::max(1.0F, std::fabs(expected)) : 0.0F;
      EXPECT_TRUE(actual == expected || std::fabs(actual - expected) <= tolerance)
          << "actual " << actual << " expected " << expected << " " << entry.name
          << " p0=" << lawCase.parameters[0] << " i=" << at.iDeg << " e=" << at.eDeg
          << " slant=" << at.slantDeg;
    }
  }
}

// A law whose parameters a formula can name has one; the formula and a law of more parameters
// than a formula names have none.
TEST(StarterFormulasTest, OnlyTheLawsHaveOne) {
  for (const LawEntry& entry : AdditionalLaws()) {
    const bool nameable = entry.parameters.size() <= static_cast<size_t>(kMaxFormulaParameters);
    EXPECT_EQ(StarterFormula(entry.kind).empty(), entry.kind == kFormula || !nameable)
        << entry.name;
  }
  EXPECT_TRUE(StarterFormula(kMatte).empty());
}
