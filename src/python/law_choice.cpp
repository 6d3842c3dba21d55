#include "law_choice.h"

#include <array>
#include <cmath>
#include <memory>
#include <variant>

#include "intake/input_messages.h"
#include "intake/law_texts.h"
#include "intake/number_text.h"
#include "module_error.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"

namespace {

struct DescribedFunction {
  const char* key;
  int32_t kind;
};

constexpr std::array<DescribedFunction, 4> kDescribedFunctions{{
    {"matte", kMatte},
    {"glossy", kGlossy},
    {"rocky", kRocky},
    {"mirror", kMirror},
}};

constexpr const char* kMcEwenValue = "mcewen";

std::string Quoted(const std::string& text) { return "\"" + ShortenedText(text) + "\""; }

double NumberOrThrow(const std::string& name, const std::string& text) {
  const NumberReading<double> reading = ReadDouble(text, CNumberFormat());
  if (!reading.Ok() || !std::isfinite(reading.value)) {
    throw ModuleError("parameter " + ShortenedText(name) + " must be a number, got " +
                      Quoted(text));
  }
  return reading.value;
}

// A range's end as the renderer's message writes it: "0", "1.5".
std::string RangeNumber(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string ParameterNames(const LawEntry& law) {
  std::string names;
  for (const LawParameterSpec& spec : law.parameters) {
    names += (names.empty() ? "" : ", ") + std::string(spec.name);
  }
  return names;
}

void ApplyCataloguedParameter(const LawEntry& law, const std::string& name, const std::string& text,
                              LawSettings& settings) {
  const std::optional<int> index = FindLawParameter(law, name);
  if (!index) {
    throw ModuleError(
        std::string(law.name) + " has no parameter " + Quoted(name) +
        (law.parameters.empty() ? ": it takes none" : "; its parameters: " + ParameterNames(law)));
  }
  if (law.kind == kLunarLambert && *index == kLunarLambertL) {
    settings.lunarLambertMcEwen = text == kMcEwenValue;
    if (settings.lunarLambertMcEwen) return;
  }
  const LawParameterSpec& spec = law.parameters[static_cast<size_t>(*index)];
  const double value = NumberOrThrow(name, text);
  if (!InLawRange(spec, value)) {
    throw ModuleError("parameter " + name + "=" + ShortenedText(text) +
                      " is out of range: " + name +
                      (spec.twoValued ? " takes " + RangeNumber(spec.lowest) + " or "
                                      : " lies from " + RangeNumber(spec.lowest) + " to ") +
                      RangeNumber(spec.highest));
  }
  settings.parameters[static_cast<size_t>(*index)] = value;
}

// The formula's parameters in the order first given, then the formula compiled with their names.
void ApplyFormula(const LawChoice& choice, LawSettings& settings) {
  if (!choice.formula) throw ModuleError("the function formula needs a formula text");
  std::vector<std::string> names;
  for (const auto& [name, text] : choice.parameters) {
    const double value = NumberOrThrow(name, text);
    size_t index = 0;
    while (index < names.size() && names[index] != name) ++index;
    if (index == names.size()) names.push_back(name);
    if (index < static_cast<size_t>(kMaxFormulaParameters)) settings.parameters[index] = value;
  }
  CompiledFormula compiled = CompileFormula(*choice.formula, names);
  if (const auto* error = std::get_if<FormulaError>(&compiled)) {
    ThrowMessage(FormulaErrorSaid(*error));
  }
  settings.formula = std::get<std::shared_ptr<const CustomFormula>>(std::move(compiled));
}

// The glossy function's s and n are the texts of its two boxes.
void ApplyGlossParameters(const LawChoice& choice, ShadeInputs& inputs) {
  for (const auto& [name, text] : choice.parameters) {
    if (name == "s") {
      inputs.glossS = text;
    } else if (name == "n") {
      inputs.glossN = text;
    } else {
      throw ModuleError("glossy has no parameter " + Quoted(name) + "; its parameters: s, n");
    }
  }
}

}  // namespace

void ApplyLawChoice(const LawChoice& choice, RenderState& state, ShadeInputs& inputs) {
  if (choice.formula && choice.key != "formula") {
    throw ModuleError("a formula text needs the function formula");
  }
  for (const DescribedFunction& described : kDescribedFunctions) {
    if (choice.key != described.key) continue;
    if (described.kind == kGlossy) {
      ApplyGlossParameters(choice, inputs);
    } else if (!choice.parameters.empty()) {
      throw ModuleError(choice.key + " takes no parameters");
    }
    state.reflectanceKind = described.kind;
    return;
  }
  const LawEntry* law = FindLawByName(choice.key);
  if (law == nullptr) {
    std::string keys;
    for (const std::string& key : FunctionKeys()) keys += (keys.empty() ? "" : ", ") + key;
    throw ModuleError("unknown function " + Quoted(choice.key) + "; the functions: " + keys);
  }
  LawSettings settings = StartLawSettings(law->kind);
  if (law->kind == kFormula) {
    ApplyFormula(choice, settings);
  } else {
    for (const auto& [name, text] : choice.parameters) {
      ApplyCataloguedParameter(*law, name, text, settings);
    }
  }
  state.reflectanceKind = law->kind;
  state.law = std::move(settings);
}

std::vector<std::string> FunctionKeys() {
  std::vector<std::string> keys;
  keys.reserve(kDescribedFunctions.size() + AdditionalLaws().size());
  for (const DescribedFunction& described : kDescribedFunctions) keys.emplace_back(described.key);
  for (const LawEntry& law : AdditionalLaws()) keys.emplace_back(law.name);
  return keys;
}
