#include "curves/phase_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "curves/disc_photometry.h"
#include "curves/magnitude_systems.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kUnbounded = std::numeric_limits<double>::infinity();
constexpr double kStartSlopeG = 0.15;
constexpr double kStartG1 = 0.3;
constexpr double kStartG2 = 0.3;

Message ModelMessage(const char* source, const std::string& name) {
  return CoreMessageOf(source, {VerbatimPart(name)});
}

// H of the brightest point: where a fit of H starts.
double StartH(const ObservationSet& observations) {
  double h = kUnbounded;
  for (const Observation& point : observations.points) {
    const double m = observations.quantity == ObservedQuantity::kMagnitude
                         ? point.value
                         : -2.5 * std::log10(point.value);
    h = std::min(h, m);
  }
  return std::isfinite(h) ? h : 0.0;
}

bool Has(const std::vector<std::string>& names, const char* name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::variant<PhaseModel, Message> PhaseModel::Make(const RenderState& state, double albedo,
                                                   ObservedQuantity quantity,
                                                   const std::vector<std::string>& names,
                                                   const ObservationSet& observations) {
  PhaseModel model;
  model.state_ = state;
  model.albedo_ = albedo;
  model.quantity_ = quantity;
  const bool hg = Has(names, "G");
  const bool hg1g2 = Has(names, "G1") || Has(names, "G2");
  if (hg || hg1g2) {
    const std::vector<std::string> wanted =
        hg ? std::vector<std::string>{"H", "G"} : std::vector<std::string>{"H", "G1", "G2"};
    if (hg && hg1g2) {
      return CoreMessageOf(GS_TRANSLATE_NOOP(
          "CoreMessages", "H, G и H, G1, G2 — две системы: подбирается одна из них"));
    }
    for (const std::string& name : names) {
      if (!Has(wanted, name.c_str())) {
        return ModelMessage(
            GS_TRANSLATE_NOOP("CoreMessages", "«%1» не входит в систему звёздных величин"), name);
      }
    }
    model.system_ = hg ? PhaseSystem::kHg : PhaseSystem::kHg1g2;
    model.parameters_.push_back({"H", -1, StartH(observations), -kUnbounded, kUnbounded});
    if (hg) {
      model.parameters_.push_back({"G", -1, kStartSlopeG, -kUnbounded, kUnbounded});
    } else {
      model.parameters_.push_back({"G1", -1, kStartG1, -kUnbounded, kUnbounded});
      model.parameters_.push_back({"G2", -1, kStartG2, -kUnbounded, kUnbounded});
    }
    return model;
  }
  if (state.reflectanceKind == kMirror) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages", "у зеркальной функции нет фазовой кривой"));
  }
  const LawEntry* law = FindLaw(state.reflectanceKind);
  const bool magnitudes = quantity == ObservedQuantity::kMagnitude;
  for (const std::string& name : names) {
    std::optional<int> index = law ? FindLawParameter(*law, name) : std::nullopt;
    // A switch between two choices has no derivative to follow.
    if (index && law->parameters[static_cast<size_t>(*index)].twoValued) index.reset();
    if (index) {
      const LawParameterSpec& spec = law->parameters[static_cast<size_t>(*index)];
      model.parameters_.push_back({name, *index, state.law.parameters[static_cast<size_t>(*index)],
                                   spec.lowest, spec.highest});
    } else if (name == "H" && magnitudes) {
      model.parameters_.push_back({"H", -1, StartH(observations), -kUnbounded, kUnbounded});
    } else if (name == "albedo" && !magnitudes &&
               AlbedoKindOf(state.reflectanceKind) != AlbedoKind::kLawParameter) {
      const double highest =
          AlbedoKindOf(state.reflectanceKind) == AlbedoKind::kNormal ? kUnbounded : 1.0;
      model.parameters_.push_back({"albedo", -1, albedo, 0.0, highest});
    } else {
      return ModelMessage(GS_TRANSLATE_NOOP("CoreMessages",
                                            "«%1» — не параметр, который можно подобрать для "
                                            "этой функции и этих наблюдений"),
                          name);
    }
  }
  if (magnitudes && !Has(names, "H")) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages", "по звёздным величинам закон подбирается вместе с H"));
  }
  return model;
}

double PhaseModel::Value(const std::vector<double>& x, const char* name) const {
  for (size_t k = 0; k < parameters_.size() && k < x.size(); ++k) {
    const FitParameter& p = parameters_[k];
    if (p.name == name) return std::clamp(x[k], p.lowest, p.highest);
  }
  return 0.0;
}

RenderState PhaseModel::StateAt(const std::vector<double>& x) const {
  RenderState state = state_;
  for (size_t k = 0; k < parameters_.size() && k < x.size(); ++k) {
    const FitParameter& p = parameters_[k];
    if (p.lawIndex >= 0) {
      state.law.parameters[static_cast<size_t>(p.lawIndex)] = std::clamp(x[k], p.lowest, p.highest);
    }
  }
  return state;
}

double PhaseModel::AlbedoAt(const std::vector<double>& x) const {
  const bool varied = std::any_of(parameters_.begin(), parameters_.end(),
                                  [](const FitParameter& p) { return p.name == "albedo"; });
  return varied ? Value(x, "albedo") : albedo_;
}

std::vector<double> PhaseModel::Predict(const std::vector<double>& x,
                                        const std::vector<double>& degrees) const {
  const double h = Value(x, "H");
  const bool magnitudes = quantity_ == ObservedQuantity::kMagnitude;
  std::vector<double> values;
  values.reserve(degrees.size());
  if (system_ != PhaseSystem::kLaw) {
    const double slopeG = Value(x, "G");
    const double g1 = Value(x, "G1");
    const double g2 = Value(x, "G2");
    for (const double d : degrees) {
      const double g = d * kRadiansPerDegree;
      const double phase = system_ == PhaseSystem::kHg ? HgPhase(g, slopeG) : Hg1g2Phase(g, g1, g2);
      values.push_back(magnitudes ? ReducedMagnitude(h, phase) : std::pow(10.0, -0.4 * h) * phase);
    }
    return values;
  }
  const RenderState state = StateAt(x);
  const double atZero = magnitudes ? DiscIntegral(state, 0.0) : 0.0;
  const double scale = NormalAlbedo(state, AlbedoAt(x)) / std::numbers::pi;
  for (const double d : degrees) {
    const double disc = DiscIntegral(state, d * kRadiansPerDegree);
    values.push_back(magnitudes ? ReducedMagnitude(h, disc / atZero) : scale * disc);
  }
  return values;
}
