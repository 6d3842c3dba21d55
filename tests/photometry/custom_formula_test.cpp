// The custom formula: what it reads and refuses (with the position and the unknown name), its
// values against the laws it restates, IEEE results for a division by zero, and evaluation from
// several threads at once.

#include "photometry/custom_formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

#include "photometry/additional_laws.h"

namespace {

std::shared_ptr<const CustomFormula> Compiled(const std::string& text,
                                              const std::vector<std::string>& names = {}) {
  CompiledFormula compiled = CompileFormula(text, names);
  if (const auto* error = std::get_if<FormulaError>(&compiled)) {
    ADD_FAILURE() << text << ": " << error->parserMessage;
    return nullptr;
  }
  return std::get<std::shared_ptr<const CustomFormula>>(compiled);
}

FormulaArguments At(double mu0, double mu, double cosG) {
  return {std::acos(mu0), std::acos(mu), std::acos(cosG), mu0, mu, cosG};
}

TEST(CustomFormulaTest, RefusesWhatDoesNotReadWithPositionAndName) {
  const struct {
    std::string text;
    std::vector<std::string> names;
    FormulaErrorKind kind;
    int position;
    std::string name;
  } kRows[] = {
      {"cos(x)", {}, FormulaErrorKind::kUnknownName, 5, "x"},
      {"ci * albedo", {}, FormulaErrorKind::kUnknownName, 6, "albedo"},
      {"ci * a + b", {"a"}, FormulaErrorKind::kUnknownName, 10, "b"},
      {"   ", {}, FormulaErrorKind::kEmpty, 0, ""},
      {"ci, ce", {}, FormulaErrorKind::kSyntax, 3, ","},
      {"ci +* ce", {}, FormulaErrorKind::kSyntax, 5, "*"},
      {"ci", {"1a"}, FormulaErrorKind::kBadParameterName, 0, "1a"},
      {"sin(ф)*ce", {}, FormulaErrorKind::kUnknownName, 5, "ф"},
      {"max(ci,ce), cg", {}, FormulaErrorKind::kSyntax, 11, ","},
      {std::string(kMaxFormulaLength + 1, '1'), {}, FormulaErrorKind::kTooLong, 0, ""},
      {"ci", {"sin"}, FormulaErrorKind::kReservedName, 0, "sin"},
      {"ci", {"ce"}, FormulaErrorKind::kReservedName, 0, "ce"},
      {"ci", {"pi"}, FormulaErrorKind::kReservedName, 0, "pi"},
      {"ci", {"a", "a"}, FormulaErrorKind::kDuplicateParameter, 0, "a"},
      {"ci", {"a", "b", "c", "d", "f"}, FormulaErrorKind::kTooManyParameters, 0, "f"},
  };
  for (const auto& row : kRows) {
    const CompiledFormula compiled = CompileFormula(row.text, row.names);
    const auto* error = std::get_if<FormulaError>(&compiled);
    ASSERT_NE(error, nullptr) << row.text;
    EXPECT_EQ(error->kind, row.kind) << row.text;
    EXPECT_EQ(error->position, row.position) << row.text;
    EXPECT_EQ(error->name, row.name) << row.text;
  }
  EXPECT_TRUE(Compiled("ci" + std::string(kMaxFormulaLength - 2, ' ')));  // the longest read
  // An opening parenthesis never closed: a syntax error at the end, never a crash.
  const CompiledFormula open = CompileFormula("cos(i", {});
  ASSERT_TRUE(std::holds_alternative<FormulaError>(open));
  EXPECT_EQ(std::get<FormulaError>(open).kind, FormulaErrorKind::kSyntax);
}

TEST(CustomFormulaTest, PositionsCountCharactersNotBytes) {
  const CompiledFormula compiled = CompileFormula("ci*0+яд", {});
  ASSERT_TRUE(std::holds_alternative<FormulaError>(compiled));
  EXPECT_EQ(std::get<FormulaError>(compiled).position, 6);
}

TEST(CustomFormulaTest, EvaluatesVariablesParametersAndFunctions) {
  const auto minnaert = Compiled("ci^k * ce^(k-1)", {"k"});
  const auto angles = Compiled("i + 10*e + 100*g + 1000*pi");
  const auto scaled = Compiled("a*ci + b*cg + max(ce, 0.5)", {"a", "b"});
  ASSERT_TRUE(minnaert && angles && scaled);
  for (double mu0 : {0.1, 0.5, 0.99}) {
    for (double mu : {0.2, 0.7, 1.0}) {
      const FormulaArguments at = At(mu0, mu, 0.3);
      EXPECT_NEAR(minnaert->Evaluate(at, {0.7}), MinnaertPhi(mu0, mu, 0.7), 1e-12);
      EXPECT_NEAR(angles->Evaluate(at, {}), at.i + 10 * at.e + 100 * at.g + 1000 * std::numbers::pi,
                  1e-9);
      EXPECT_NEAR(scaled->Evaluate(at, {2, -1}), 2 * mu0 - 0.3 + std::max(mu, 0.5), 1e-12);
    }
  }
}

TEST(CustomFormulaTest, DivisionByZeroGivesIeeeValues) {
  const auto inf = Compiled("ci / (i - i)");
  const auto nan = Compiled("(g - g) / (g - g)");
  ASSERT_TRUE(inf && nan);
  EXPECT_EQ(inf->Evaluate(At(0.5, 0.5, 1.0), {}), INFINITY);
  EXPECT_TRUE(std::isnan(nan->Evaluate(At(0.5, 0.5, 1.0), {})));
}

// Each thread evaluates with a parser of its own; two formulas taking turns on one thread stay
// apart too.
TEST(CustomFormulaTest, ThreadsEvaluateOneFormulaAtOnce) {
  const auto first = Compiled("ci * k + ce", {"k"});
  const auto second = Compiled("ci - ce");
  ASSERT_TRUE(first && second);
  std::vector<int> wrong(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int n = 0; n < 2000; ++n) {
        const double mu0 = 0.001 * (n % 997) + 0.0001 * t;
        const FormulaArguments at = At(mu0, 0.5, 1.0);
        if (first->Evaluate(at, {static_cast<double>(t)}) != mu0 * t + 0.5) ++wrong[t];
        if (n % 7 == 0 && second->Evaluate(at, {}) != mu0 - 0.5) ++wrong[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(wrong[t], 0) << "thread " << t;
}

}  // namespace
