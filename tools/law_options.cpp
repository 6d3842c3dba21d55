#include "law_options.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "input_error_text.h"
#include "intake/input_messages.h"
#include "intake/law_texts.h"
#include "intake/number_text.h"
#include "law_usage.h"
#include "message_language.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr std::string_view kMcEwenValue = "mcewen";

struct NamedValue {
  std::string name;
  std::string value;
};

std::optional<NamedValue> SplitParameter(std::string_view text) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) return std::nullopt;
  return NamedValue{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

std::string ParameterList(const LawEntry& law) {
  std::string names;
  for (const LawParameterSpec& spec : law.parameters) {
    names += (names.empty() ? "" : ", ") + std::string(spec.name);
  }
  return names;
}

std::string NumberText(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

// One --param of a catalogued law.
OptionValueError ApplyLawParameter(const LawEntry& law, const NamedValue& given,
                                   LawSettings& settings) {
  const std::optional<int> index = FindLawParameter(law, given.name);
  if (!index) {
    return "--function " + std::string(law.name) + " has no parameter " + QuotedText(given.name) +
           (law.parameters.empty() ? ": it takes none" : "; its parameters: " + ParameterList(law));
  }
  if (law.kind == kLunarLambert && *index == kLunarLambertL) {
    settings.lunarLambertMcEwen = given.value == kMcEwenValue;
    if (settings.lunarLambertMcEwen) return std::nullopt;
  }
  const LawParameterSpec& spec = law.parameters[static_cast<size_t>(*index)];
  const std::optional<double> value = FiniteNumber(given.value);
  if (!value) {
    return "--param " + ShortenedText(given.name) + " must be a number, got " +
           QuotedText(given.value);
  }
  if (!InLawRange(spec, *value)) {
    return "--param " + given.name + "=" + ShortenedText(given.value) +
           " is out of range: " + given.name +
           (spec.twoValued ? " takes " + NumberText(spec.lowest) + " or "
                           : " lies from " + NumberText(spec.lowest) + " to ") +
           NumberText(spec.highest);
  }
  settings.parameters[static_cast<size_t>(*index)] = *value;
  return std::nullopt;
}

// The formula's parameters in the order first given (a later value of a name replaces the
// earlier one), then the formula compiled with their names.
OptionValueError ResolveFormula(const std::vector<NamedValue>& given,
                                const std::optional<std::string>& text, LawSettings& settings) {
  if (!text) return std::string("--function formula needs --formula TEXT");
  std::vector<std::string> names;
  for (const NamedValue& parameter : given) {
    const std::optional<double> value = FiniteNumber(parameter.value);
    if (!value) {
      return "--param " + ShortenedText(parameter.name) + " must be a number, got " +
             QuotedText(parameter.value);
    }
    size_t index = 0;
    while (index < names.size() && names[index] != parameter.name) ++index;
    if (index == names.size()) names.push_back(parameter.name);
    if (index < static_cast<size_t>(kMaxFormulaParameters)) settings.parameters[index] = *value;
  }
  CompiledFormula compiled = CompileFormula(*text, names);
  if (const auto* error = std::get_if<FormulaError>(&compiled)) {
    return RendererText(FormulaErrorSaid(*error));
  }
  settings.formula = std::get<std::shared_ptr<const CustomFormula>>(std::move(compiled));
  return std::nullopt;
}

}  // namespace

bool ParseLawFunction(std::string_view name, RenderJob& job) {
  const LawEntry* law = FindLawByName(name);
  if (!law) return false;
  job.reflectanceKind = law->kind;
  return true;
}

OptionValueError StoreLawParameter(std::string_view text, RenderJob& job) {
  if (!SplitParameter(text)) return "--param must be NAME=VALUE, got " + QuotedText(text);
  job.lawParameterTexts.emplace_back(text);
  return std::nullopt;
}

OptionValueError StoreFormula(std::string_view text, RenderJob& job) {
  job.formulaText = std::string(text);
  return std::nullopt;
}

OptionValueError ResolveLaw(RenderJob& job) {
  const LawEntry* law = FindLaw(job.reflectanceKind);
  if (!law) {
    if (!job.lawParameterTexts.empty()) {
      return "--param " + ShortenedText(job.lawParameterTexts.front()) +
             ": only the additional laws take --param (" + LawsTakingParameters() + ")";
    }
    if (job.formulaText) return std::string("--formula needs --function formula");
    return std::nullopt;
  }
  if (job.formulaText && law->kind != kFormula) {
    return std::string("--formula needs --function formula");
  }
  std::vector<NamedValue> given;
  for (const std::string& text : job.lawParameterTexts) given.push_back(*SplitParameter(text));
  LawSettings settings = StartLawSettings(law->kind);
  if (law->kind == kFormula) {
    if (OptionValueError error = ResolveFormula(given, job.formulaText, settings)) return error;
  } else {
    for (const NamedValue& parameter : given) {
      if (OptionValueError error = ApplyLawParameter(*law, parameter, settings)) return error;
    }
  }
  job.law = std::move(settings);
  return std::nullopt;
}

std::string FunctionNames() {
  std::string names = "matte, glossy, rocky, mirror";
  for (const LawEntry& law : AdditionalLaws()) names += ", " + std::string(law.name);
  return names;
}
