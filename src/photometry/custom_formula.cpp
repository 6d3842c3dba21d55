#include "photometry/custom_formula.h"

#include <muParser.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<const char*, 6> kVariableNames = {"i", "e", "g", "ci", "ce", "cg"};
constexpr const char* kPiName = "pi";
constexpr size_t kSlotCount = kVariableNames.size() + kMaxFormulaParameters;
static_assert(kMaxParameterNameLength == mu::MaxLenIdentifier);
static_assert(kMaxFormulaLength * 4 <= mu::MaxLenExpression);  // 4 bytes at most a character

// Every formula gets its own serial number, so that a thread's evaluator can tell whether it
// holds the formula it is asked to evaluate (an address could be reused by a later formula).
std::atomic<uint64_t> nextSerial{1};

// A parser over the formula's text with its variables bound to `slots`: i, e, g, ci, ce, cg,
// then the parameters in order. Throws mu::ParserError for a text it cannot read.
std::unique_ptr<mu::Parser> MakeParser(const std::string& text,
                                       const std::vector<std::string>& parameterNames,
                                       std::array<double, kSlotCount>& slots) {
  auto parser = std::make_unique<mu::Parser>();
  for (size_t k = 0; k < kVariableNames.size(); ++k)
    parser->DefineVar(kVariableNames[k], &slots[k]);
  for (size_t k = 0; k < parameterNames.size(); ++k) {
    parser->DefineVar(parameterNames[k], &slots[kVariableNames.size() + k]);
  }
  // The angles are true angles, so pi is the true one (not the described shaders' 3.14159).
  parser->DefineConst(kPiName, std::numbers::pi);
  parser->SetExpr(text);
  return parser;
}

void FillSlots(std::array<double, kSlotCount>& slots, const FormulaArguments& a,
               const std::array<double, kMaxLawParameters>& parameters) {
  slots[0] = a.i;
  slots[1] = a.e;
  slots[2] = a.g;
  slots[3] = a.ci;
  slots[4] = a.ce;
  slots[5] = a.cg;
  std::copy_n(parameters.begin(), kMaxFormulaParameters, slots.begin() + kVariableNames.size());
}

// One thread's compiled copy of the formula it last evaluated.
struct ThreadEvaluator {
  uint64_t serial = 0;
  std::unique_ptr<mu::Parser> parser;
  std::array<double, kSlotCount> slots{};
};

// The characters (not bytes) of a UTF-8 text: every byte but the continuation bytes.
size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
  }));
}

// The 1-based character of a UTF-8 text at byte offset `byte`.
int CharacterPosition(const std::string& text, int byte) {
  const size_t end = std::min(static_cast<size_t>(std::max(byte, 0)), text.size());
  return static_cast<int>(CharacterCount(std::string_view(text).substr(0, end))) + 1;
}

bool IsIdentifier(const std::string& name) {
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name.front()))) return false;
  if (name.size() > static_cast<size_t>(kMaxParameterNameLength)) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

bool IsReserved(const std::string& name) {
  if (name == kPiName) return true;
  if (std::find(kVariableNames.begin(), kVariableNames.end(), name) != kVariableNames.end()) {
    return true;
  }
  const mu::Parser parser;
  return parser.GetFunDef().count(name) != 0 || parser.GetConst().count(name) != 0;
}

std::optional<FormulaError> CheckParameterNames(const std::vector<std::string>& names) {
  if (names.size() > static_cast<size_t>(kMaxFormulaParameters)) {
    return FormulaError{FormulaErrorKind::kTooManyParameters, 0, names[kMaxFormulaParameters], {}};
  }
  for (size_t k = 0; k < names.size(); ++k) {
    const std::string& name = names[k];
    if (!IsIdentifier(name)) return FormulaError{FormulaErrorKind::kBadParameterName, 0, name, {}};
    if (IsReserved(name)) return FormulaError{FormulaErrorKind::kReservedName, 0, name, {}};
    if (std::find(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(k), name) !=
        names.begin() + static_cast<std::ptrdiff_t>(k)) {
      return FormulaError{FormulaErrorKind::kDuplicateParameter, 0, name, {}};
    }
  }
  return std::nullopt;
}

FormulaSyntaxDetail DetailOfCode(mu::EErrorCodes code) {
  switch (code) {
    case mu::ecMISSING_PARENS:
      return FormulaSyntaxDetail::kUnclosedParenthesis;
    case mu::ecUNEXPECTED_PARENS:
      return FormulaSyntaxDetail::kUnexpectedParenthesis;
    case mu::ecUNEXPECTED_EOF:
      return FormulaSyntaxDetail::kUnexpectedEnd;
    case mu::ecTOO_FEW_PARAMS:
    case mu::ecTOO_MANY_PARAMS:
      return FormulaSyntaxDetail::kArgumentCount;
    default:
      return FormulaSyntaxDetail::kOther;
  }
}

// The code point at text[at] (UTF-8) and its length in bytes; a stray byte stands for itself.
std::pair<char32_t, size_t> CodePointAt(const std::string& text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = lead < 0xC0U ? 1 : lead < 0xE0U ? 2 : lead < 0xF0U ? 3 : 4;
  if (length == 1 || at + length > text.size()) return {lead, 1};
  char32_t code = lead & (0x3FU >> (length - 1));
  for (size_t k = 1; k < length; ++k) code = (code << 6) | (text[at + k] & 0x3FU);
  return {code, length};
}

// Whether a code point can belong to a name: ASCII letters, digits and the underscore, and every
// other letter, which is every code point beyond ASCII but the signs among them (Latin-1's
// punctuation, superscripts, × and ÷, and the blocks of punctuation, operators and symbols).
bool IsNameCharacter(char32_t c) {
  if (c < 0x80U) return std::isalnum(static_cast<int>(c)) || c == U'_';
  const bool sign = c < 0xC0U || c == U'×' || c == U'÷' || (c >= 0x2000U && c <= 0x2BFFU) ||
                    (c >= 0x3000U && c <= 0x303FU);
  return !sign;
}

// The name an unknown token starts with: muparser's token runs to the end of the text when it
// cannot read the name (a Cyrillic one, say). A token that starts with a sign is that sign alone.
std::string LeadingName(const std::string& token) {
  size_t end = 0;
  while (end < token.size()) {
    const auto [code, length] = CodePointAt(token, end);
    if (!IsNameCharacter(code)) break;
    end += length;
  }
  if (end == 0 && !token.empty()) end = CodePointAt(token, 0).second;
  return token.substr(0, end);
}

FormulaError ErrorOfParser(const std::string& text, const mu::ParserError& error) {
  const bool unknown = error.GetCode() == mu::ecUNASSIGNABLE_TOKEN;
  const FormulaErrorKind kind =
      unknown ? FormulaErrorKind::kUnknownName : FormulaErrorKind::kSyntax;
  const int position = error.GetPos() < 0 ? 0 : CharacterPosition(text, error.GetPos());
  return FormulaError{kind, position, unknown ? LeadingName(error.GetToken()) : error.GetToken(),
                      error.GetMsg(), DetailOfCode(error.GetCode())};
}

// The byte offset of the first comma outside parentheses: muparser reads "a, b" as two results,
// a formula must give one.
std::optional<int> TopLevelComma(const std::string& text) {
  int depth = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '(') ++depth;
    if (text[k] == ')') --depth;
    if (text[k] == ',' && depth == 0) return static_cast<int>(k);
  }
  return std::nullopt;
}

}  // namespace

CustomFormula::CustomFormula(std::string text, std::vector<std::string> parameterNames)
    : text_(std::move(text)), parameterNames_(std::move(parameterNames)), serial_(nextSerial++) {}

double CustomFormula::Evaluate(const FormulaArguments& arguments,
                               const std::array<double, kMaxLawParameters>& parameters) const {
  thread_local ThreadEvaluator evaluator;
  try {
    if (evaluator.serial != serial_) {
      evaluator.serial = 0;
      evaluator.parser = MakeParser(text_, parameterNames_, evaluator.slots);
      evaluator.serial = serial_;
    }
    FillSlots(evaluator.slots, arguments, parameters);
    return evaluator.parser->Eval();
  } catch (...) {
    // A formula that compiled does not fail here; should it, the sample has no value.
    return std::numeric_limits<double>::quiet_NaN();
  }
}

CompiledFormula CompileFormula(const std::string& text,
                               const std::vector<std::string>& parameterNames) {
  if (std::optional<FormulaError> error = CheckParameterNames(parameterNames)) return *error;
  // Counted before the parser sees it: a page pasted into the box is refused at once.
  const size_t length = CharacterCount(text);
  if (length > static_cast<size_t>(kMaxFormulaLength)) {
    FormulaError error{FormulaErrorKind::kTooLong, 0, {}, {}};
    error.length = length;
    return error;
  }
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
    return FormulaError{FormulaErrorKind::kEmpty, 0, {}, {}};
  }
  if (std::optional<int> comma = TopLevelComma(text)) {
    return FormulaError{FormulaErrorKind::kSyntax,
                        CharacterPosition(text, *comma),
                        ",",
                        {},
                        FormulaSyntaxDetail::kSecondResult};
  }
  std::array<double, kSlotCount> slots{};
  try {
    const std::unique_ptr<mu::Parser> parser = MakeParser(text, parameterNames, slots);
    parser->Eval();  // muparser reads the text on its first evaluation
  } catch (const mu::ParserError& error) {
    return ErrorOfParser(text, error);
  }
  return std::make_shared<const CustomFormula>(text, parameterNames);
}

std::vector<std::string> FormulaVariableNames() {
  std::vector<std::string> names(kVariableNames.begin(), kVariableNames.end());
  names.emplace_back(kPiName);
  return names;
}
