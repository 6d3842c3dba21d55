#pragma once
// The settings of the additional reflectance laws (reflectanceKind 5 to 13), carried in the
// RenderState beside the described fields, which they leave alone: the chosen law's parameters
// in the order of its catalogue entry, the Lunar-Lambert switch to L(g), and the compiled custom
// formula. photometry/law_catalogue.h names the laws and their parameters.

#include <array>
#include <memory>

// A law's parameters: Hapke's law with roughness has eight. A typed formula names at most four
// of them, as its window has four rows and its setups and messages say.
inline constexpr int kMaxLawParameters = 8;
inline constexpr int kMaxFormulaParameters = 4;

// A formula compiled from its text (photometry/custom_formula.h). Immutable once made and shared
// by every copy of the state; each thread evaluates it with an evaluator of its own.
class CustomFormula;

struct LawSettings {
  std::array<double, kMaxLawParameters> parameters{};
  bool lunarLambertMcEwen = false;  // Lunar-Lambert: L from the phase angle, not the parameter
  std::shared_ptr<const CustomFormula> formula;  // reflectanceKind kFormula only

  bool operator==(const LawSettings&) const = default;
};
