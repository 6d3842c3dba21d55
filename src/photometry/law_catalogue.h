#pragma once
// The additional reflectance laws by name and kind, as laws/law_registry.h lists them: for each,
// the name the renderer's --function takes and its parameters. The window's function menu and
// its parameter sliders are built from the same list.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/render_state.h"
#include "photometry/laws/law_description.h"

// A law of the catalogue is its description (laws/law_description.h).
using LawEntry = LawDescription;

// Indices into LawSettings::parameters, by law.
enum MinnaertParameter { kMinnaertK = 0 };
enum LunarLambertParameter { kLunarLambertL = 0 };
enum OrenNayarParameter { kOrenNayarSigma = 0 };
enum HapkeParameter { kHapkeW = 0, kHapkeB0 = 1, kHapkeH = 2, kHapkeXi = 3 };
enum HapkeRoughParameter {
  kHapkeRoughTheta = 4,
  kHapkeRoughBc0 = 5,
  kHapkeRoughHc = 6,
  kHapkeRoughHYear = 7,
};
enum BlinnPhongParameter { kBlinnPhongS = 0, kBlinnPhongN = 1 };
enum CookTorranceParameter { kCookTorranceS = 0, kCookTorranceM = 1, kCookTorranceF0 = 2 };

// A kind the registry lists: the laws beyond the four described functions, the custom formula
// among them.
bool IsAdditionalLaw(int32_t reflectanceKind);

// Every additional law, in menu order (kind 5 first).
std::span<const LawEntry> AdditionalLaws();

// The entry of an additional law; nothing for the four described functions or an unknown kind.
const LawEntry* FindLaw(int32_t reflectanceKind);
const LawEntry* FindLawByName(std::string_view name);

// The index of a named parameter of the law; nothing when the law has no such parameter.
std::optional<int> FindLawParameter(const LawEntry& law, std::string_view name);

// True for a value within the parameter's range (NaN is not); a two-valued one takes its ends.
bool InLawRange(const LawParameterSpec& spec, double value);

// The law's parameters at their start values, Lunar-Lambert with a fixed L, and no formula.
LawSettings StartLawSettings(int32_t reflectanceKind);
