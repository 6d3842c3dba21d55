#pragma once
// A law as a new file under photometry/laws would add it: one description, registered before the
// first use. Its phi is its parameter a wherever the source lights the surface, so a readout
// shows the value a setup or --param gave it.

#include <array>

#include "photometry/additional_laws.h"
#include "photometry/laws/law_registry.h"

inline constexpr int32_t kAddedLawKind = 40;

inline double AddedLawPhi(double /*mu0*/, double /*mu*/, const LawConstants& law) {
  return law.settings.parameters[0];
}

inline constexpr std::array<LawParameterSpec, 2> kAddedLawParameters{
    {{"a", 0.0, 1.0, 0.25, "Уровень a"}, {"tilt", -10.0, 80.0, 30.0, "Наклон, °", "degrees"}}};

inline constexpr LawDescription kAddedLaw{
    .kind = kAddedLawKind,
    .name = "added-law",
    .parameters = kAddedLawParameters,
    .starterFormula = "a",
    .helpAnchor = "law-added-law",
    .phi = AddedLawPhi,
    .displayName = "Добавленный закон",
    .formulaHtml = "ф = a",
    .source = "A. Tester. 2026.",
    .helpTitle = "Добавленный закон",
    .helpTitleEn = "The added law",
};

// Registers the law once for the whole test program.
inline void RegisterAddedLaw() {
  static const bool kRegistered = [] {
    RegisterLaw(kAddedLaw);
    return true;
  }();
  (void)kRegistered;
}
