#pragma once
// A reflectance function named as the renderer names it: "matte", "glossy", "rocky", "mirror" or
// an additional law's key ("minnaert", "lommel-seeliger", ..., "formula"), its parameters by the
// names --param takes (glossy's s and n among them) and a typed formula. Resolved into the
// RenderState and the texts of a shade press, or a ModuleError.
//
//   key + {name: value text} + formula -> reflectanceKind, LawSettings, s and n texts

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "intake/parameter_intake.h"
#include "model/render_state.h"

struct LawChoice {
  std::string key = "matte";
  // Each parameter's name and its value as text (numbers as Python's str() writes them), in the
  // order given.
  std::vector<std::pair<std::string, std::string>> parameters;
  std::optional<std::string> formula;
};

// Sets state.reflectanceKind and state.law (the law's start values, then the given ones), and the
// glossy function's s and n texts in `inputs`. Throws ModuleError for an unknown key or parameter,
// a value that does not read or lies out of range, and a formula that does not compile.
void ApplyLawChoice(const LawChoice& choice, RenderState& state, ShadeInputs& inputs);

// Every key, the four described functions first.
std::vector<std::string> FunctionKeys();
