#pragma once
// The additional reflectance laws by name: for each, the name the renderer's --function takes
// and its parameters (the name --param takes, the range a value must lie in, the start value),
// in the order LawSettings::parameters holds them. The window's function menu and its parameter
// sliders are built from the same table. The custom formula's parameters are named by the
// formula itself (custom_formula.h), so its entry lists none.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/render_state.h"

struct LawParameterSpec {
  std::string_view name;  // as --param names it: "k", "L", "sigma", "B0", ...
  double lowest = 0.0;    // the range, both ends included
  double highest = 0.0;
  double startValue = 0.0;
};

struct LawEntry {
  int32_t kind = 0;
  std::string_view name;  // as --function names it: "minnaert", "lommel-seeliger", ...
  std::span<const LawParameterSpec> parameters;
};

// Indices into LawSettings::parameters, by law.
enum MinnaertParameter { kMinnaertK = 0 };
enum LunarLambertParameter { kLunarLambertL = 0 };
enum OrenNayarParameter { kOrenNayarSigma = 0 };
enum HapkeParameter { kHapkeW = 0, kHapkeB0 = 1, kHapkeH = 2, kHapkeXi = 3 };
enum BlinnPhongParameter { kBlinnPhongS = 0, kBlinnPhongN = 1 };
enum CookTorranceParameter { kCookTorranceS = 0, kCookTorranceM = 1, kCookTorranceF0 = 2 };

// Kinds 5 to 12: the laws beyond the four described functions.
bool IsAdditionalLaw(int32_t reflectanceKind);

// Every additional law, in menu order (kind 5 first).
std::span<const LawEntry> AdditionalLaws();

// The entry of an additional law; nothing for the four described functions or an unknown kind.
const LawEntry* FindLaw(int32_t reflectanceKind);
const LawEntry* FindLawByName(std::string_view name);

// The index of a named parameter of the law; nothing when the law has no such parameter.
std::optional<int> FindLawParameter(const LawEntry& law, std::string_view name);

// True for a value within the parameter's range (NaN is not).
bool InLawRange(const LawParameterSpec& spec, double value);

// The law's parameters at their start values, Lunar-Lambert with a fixed L, and no formula.
LawSettings StartLawSettings(int32_t reflectanceKind);
