#pragma once
// What one additional reflectance law declares about itself: the kind the setups and RenderState
// hold, the name the renderer's --function and the setup spell, its parameters (the name --param
// takes, the range a value must lie in, the start value) in the order LawSettings::parameters
// holds them, the typed formula a user can start from, the help page that explains it, and its
// evaluation. Each law is one file under laws/ defining one description; law_registry lists them.

#include <cstdint>
#include <span>
#include <string_view>

struct LawConstants;

struct LawParameterSpec {
  std::string_view name;  // as --param names it: "k", "L", "sigma", "B0", ...
  double lowest = 0.0;    // the range, both ends included
  double highest = 0.0;
  double startValue = 0.0;
};

struct LawDescription {
  int32_t kind = 0;
  std::string_view name;  // as --function names it: "minnaert", "lommel-seeliger", ...
  std::span<const LawParameterSpec> parameters;
  // The law in the names a formula knows (starter_formulas.h); empty for the custom formula.
  std::string_view starterFormula;
  std::string_view helpAnchor;  // the help page: "law-minnaert", ...
  // phi in double for mu0 > 0, and what the law forms once a pass beyond the shared constants
  // (none when it needs nothing more); the custom formula is evaluated by additional_laws.
  double (*phi)(double mu0, double mu, const LawConstants& law) = nullptr;
  void (*prepare)(LawConstants& law) = nullptr;
};
