#pragma once
// What one additional reflectance law declares about itself: the kind the setups and RenderState
// hold, the name the renderer's --function and the setup spell, its parameters (the name --param
// takes, the range a value must lie in, the start value, the caption) in the order
// LawSettings::parameters holds them, its texts (the name the window shows, the formula and the
// source «Параметры функции» shows, the help page that explains it), the typed formula a user
// can start from, and its evaluation. Each law is one file under laws/ defining one description;
// law_registry lists them.
//
// The Russian texts are marked with GS_TRANSLATE_NOOP (model/message.h) in the context the
// window translates them in; the renderer's --help words (unit, note, prose) are English, and
// translated by the renderer's own translation. Every text is a string literal.

#include <cstdint>
#include <span>
#include <string_view>

#include "model/message.h"

struct LawConstants;

struct LawParameterSpec {
  std::string_view name;  // as --param names it: "k", "L", "sigma", "B0", ...
  double lowest = 0.0;    // the range, both ends included
  double highest = 0.0;
  double startValue = 0.0;
  // The window's caption, with its symbol and unit, context "CoreTexts": «Шероховатость σ, °».
  const char* caption = "";
  // The --help's unit before the range ("degrees"), and its note after the start value ("or
  // L=mcewen for McEwen's L(g)"); empty for none.
  const char* usageUnit = "";
  const char* usageNote = "";
  // A switch between two choices, its range's two ends ("Hyear": 1981 or 2002): no value
  // between them is taken, the window's slider has the two steps and a fit leaves it alone.
  bool twoValued = false;
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

  // The name the «Функция» menu and the window show, context "CoreTexts": «Миннарт».
  const char* displayName = "";
  // «Параметры функции»: the formula as rich text, context "LawDescriptions", and the source it
  // comes from (marked in that context where it holds Russian, else shown as published).
  const char* formulaHtml = "";
  const char* source = "";
  // The help's contents line of its page, in Russian and in English.
  const char* helpTitle = "";
  const char* helpTitleEn = "";
  // The --help: a note after the name in --function's list ("a typed formula, --formula"), and
  // what --param says of a law whose parameters are not listed ("up to four names of its own,
  // any finite value"); empty for none.
  const char* functionNote = "";
  const char* parameterProse = "";
};
