#include "photometry/law_catalogue.h"

#include <array>

namespace {

constexpr std::array<LawParameterSpec, 1> kMinnaertParameters{{{"k", 0.0, 2.0, 0.7}}};
constexpr std::array<LawParameterSpec, 1> kLunarLambertParameters{{{"L", 0.0, 1.0, 0.5}}};
// sigma in degrees: the spread of the facets' slopes.
constexpr std::array<LawParameterSpec, 1> kOrenNayarParameters{{{"sigma", 0.0, 60.0, 20.0}}};
// Single-scattering albedo, opposition surge amplitude and width, Henyey-Greenstein asymmetry
// (negative: backscattering, as for most planetary regoliths).
constexpr std::array<LawParameterSpec, 4> kHapkeParameters{{{"w", 0.0, 1.0, 0.25},
                                                            {"B0", 0.0, 2.0, 1.0},
                                                            {"h", 0.001, 2.0, 0.06},
                                                            {"xi", -0.99, 0.99, -0.25}}};
constexpr std::array<LawParameterSpec, 2> kBlinnPhongParameters{
    {{"s", 0.0, 1.0, 0.5}, {"n", 0.0, 1000.0, 16.0}}};
// Weight of the lobe, Beckmann rms slope, Fresnel reflectance at normal incidence.
constexpr std::array<LawParameterSpec, 3> kCookTorranceParameters{
    {{"s", 0.0, 1.0, 0.5}, {"m", 0.01, 1.0, 0.3}, {"F0", 0.001, 1.0, 0.04}}};

constexpr std::array<LawEntry, 8> kLaws{{
    {kMinnaert, "minnaert", kMinnaertParameters},
    {kLommelSeeliger, "lommel-seeliger", {}},
    {kLunarLambert, "lunar-lambert", kLunarLambertParameters},
    {kOrenNayar, "oren-nayar", kOrenNayarParameters},
    {kHapke, "hapke", kHapkeParameters},
    {kBlinnPhong, "blinn-phong", kBlinnPhongParameters},
    {kCookTorrance, "cook-torrance", kCookTorranceParameters},
    {kFormula, "formula", {}},
}};

}  // namespace

bool IsAdditionalLaw(int32_t reflectanceKind) {
  return reflectanceKind >= kMinnaert && reflectanceKind <= kFormula;
}

std::span<const LawEntry> AdditionalLaws() { return kLaws; }

const LawEntry* FindLaw(int32_t reflectanceKind) {
  for (const LawEntry& law : kLaws) {
    if (law.kind == reflectanceKind) return &law;
  }
  return nullptr;
}

const LawEntry* FindLawByName(std::string_view name) {
  for (const LawEntry& law : kLaws) {
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
