#pragma once
// The custom formula: phi as an expression typed by the user, in the true angles i, e, g
// (radians, 0 to pi), their cosines ci, ce, cg, the constant pi, up to four named parameters and
// the usual functions (sin, cos, tan, asin, acos, atan, sqrt, exp, ln, log10, abs, min, max, ...,
// with ^ for powers), parsed and evaluated by muparser.
//
//   text + parameter names -> CompileFormula -> CustomFormula (immutable, shared)
//   -> Evaluate(angles, parameter values) on any thread
//
// Threads: a muparser parser keeps its working stack and its variables inside itself, so one
// parser must never be used by two threads at once. A CustomFormula therefore holds no parser
// that evaluation touches: each thread compiles its own from the text on its first evaluation
// and keeps it (thread_local) until that thread meets another formula. Evaluate is safe to call
// from any number of threads at once, on the same formula, with no lock.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "model/law_settings.h"

// What a formula is evaluated at: the true angles in radians and their cosines.
struct FormulaArguments {
  double i = 0.0;
  double e = 0.0;
  double g = 0.0;
  double ci = 1.0;
  double ce = 1.0;
  double cg = 1.0;
};

// The longest formula read, in characters: a longer one is refused before it is parsed.
inline constexpr int kMaxFormulaLength = 4000;
// The longest parameter name, in characters: the parser's own limit for a name.
inline constexpr int kMaxParameterNameLength = 100;

// Why a text or a parameter name was refused; custom wording lives with the other messages.
enum class FormulaErrorKind {
  kEmpty,               // nothing but blanks
  kTooLong,             // more than kMaxFormulaLength characters: length holds how many
  kUnknownName,         // a name that is neither a variable, a parameter, pi nor a function
  kSyntax,              // anything else the parser refuses: name holds the token it stopped at
  kBadParameterName,    // not a letter followed by letters, digits or underscores (at most
                        // kMaxParameterNameLength)
  kReservedName,        // a parameter named like a variable, pi or a function
  kDuplicateParameter,  // two parameters of one name
  kTooManyParameters,   // more than kMaxFormulaParameters
};

// What a syntax error is, where the parser tells.
enum class FormulaSyntaxDetail {
  kOther,
  kUnclosedParenthesis,    // "cos(i"
  kUnexpectedParenthesis,  // "ci)" or "()"
  kUnexpectedEnd,          // "ci +"
  kArgumentCount,          // "min(ci)", "sin(ci, ce)"
  kSecondResult,           // "ci, ce": a formula gives one value
};

struct FormulaError {
  FormulaErrorKind kind = FormulaErrorKind::kSyntax;
  int position = 0;           // 1-based character of the text where the parser stopped; 0 for none
  std::string name;           // the unknown name, the offending token or parameter name
  std::string parserMessage;  // muparser's own English text, for a syntax error
  FormulaSyntaxDetail detail = FormulaSyntaxDetail::kOther;
  size_t length = 0;  // the text's length in characters, for kTooLong
};

class CustomFormula {
 public:
  CustomFormula(std::string text, std::vector<std::string> parameterNames);

  const std::string& Text() const { return text_; }
  const std::vector<std::string>& ParameterNames() const { return parameterNames_; }

  // The value at `arguments`, with parameter k taking parameters[k]. A division by zero and the
  // like give an infinity or a NaN, never an exception or a trap.
  double Evaluate(const FormulaArguments& arguments,
                  const std::array<double, kMaxLawParameters>& parameters) const;

 private:
  std::string text_;
  std::vector<std::string> parameterNames_;
  uint64_t serial_;  // tells the thread's evaluator which formula it holds
};

using CompiledFormula = std::variant<std::shared_ptr<const CustomFormula>, FormulaError>;

// Checks the parameter names and the text and compiles them; the formula or the first error.
CompiledFormula CompileFormula(const std::string& text,
                               const std::vector<std::string>& parameterNames);

// The names a formula may use besides its parameters: i, e, g, ci, ce, cg and pi.
std::vector<std::string> FormulaVariableNames();
