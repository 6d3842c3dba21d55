#include "photometry/law_catalogue.h"

#include "photometry/laws/law_registry.h"

bool IsAdditionalLaw(int32_t reflectanceKind) { return FindLaw(reflectanceKind) != nullptr; }

std::span<const LawEntry> AdditionalLaws() { return RegisteredLaws(); }

const LawEntry* FindLaw(int32_t reflectanceKind) {
  for (const LawEntry& law : RegisteredLaws()) {
    if (law.kind == reflectanceKind) return &law;
  }
  return nullptr;
}

const LawEntry* FindLawByName(std::string_view name) {
  for (const LawEntry& law : RegisteredLaws()) {
    if (law.name == name) return &law;
  }
  return nullptr;
}

std::optional<int> FindLawParameter(const LawEntry& law, std::string_view name) {
  for (size_t index = 0; index < law.parameters.size(); ++index) {
    if (law.parameters[index].name == name) return static_cast<int>(index);
  }
  return std::nullopt;
}

bool InLawRange(const LawParameterSpec& spec, double value) {
  if (spec.twoValued) return value == spec.lowest || value == spec.highest;
  return value >= spec.lowest && value <= spec.highest;
}

LawSettings StartLawSettings(int32_t reflectanceKind) {
  LawSettings settings;
  if (const LawEntry* law = FindLaw(reflectanceKind)) {
    for (size_t index = 0; index < law->parameters.size(); ++index) {
      settings.parameters[index] = law->parameters[index].startValue;
    }
  }
  return settings;
}
