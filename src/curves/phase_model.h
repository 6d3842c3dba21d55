#pragma once
// What a phase-curve fit varies and how it predicts a point: the chosen law (its parameters,
// its albedo on the physical scale, and H for magnitudes), or the magnitude systems H, G and
// H, G1, G2. A model predicts the observed quantity: the disc's brightness on the geometric
// albedo's scale, or the reduced magnitude.
//
//   law, brightness:  NormalAlbedo * DiscIntegral(g) / pi           (p Phi(g))
//   law, magnitude:   H - 2.5 log10(DiscIntegral(g) / DiscIntegral(0))
//   H, G; H, G1, G2:  10^(-0.4 H) Phi(g), or H - 2.5 log10 Phi(g)

#include <string>
#include <variant>
#include <vector>

#include "curves/observations.h"
#include "model/message.h"
#include "model/render_state.h"

enum class PhaseSystem { kLaw, kHg, kHg1g2 };

// One varied value: its name as --fit spells it, where it goes, its start and its bounds.
struct FitParameter {
  std::string name;   // a law parameter's name, "albedo", "H", "G", "G1", "G2"
  int lawIndex = -1;  // index into the law's parameters, or -1
  double start = 0.0;
  double lowest = 0.0;
  double highest = 0.0;
};

class PhaseModel {
 public:
  // The parameters by name for `state`'s law (the names of a system pick the system); a name the
  // model cannot vary is a message naming it. `albedo` is the law's albedo when not varied.
  static std::variant<PhaseModel, Message> Make(const RenderState& state, double albedo,
                                                ObservedQuantity quantity,
                                                const std::vector<std::string>& names,
                                                const ObservationSet& observations);

  const std::vector<FitParameter>& Parameters() const { return parameters_; }
  PhaseSystem System() const { return system_; }
  ObservedQuantity Quantity() const { return quantity_; }

  // The predicted values at `degrees` for the parameter values `x` (held within their bounds).
  std::vector<double> Predict(const std::vector<double>& x,
                              const std::vector<double>& degrees) const;

  // The law's state and albedo at the values `x`: what the albedos of a fitted law are found from.
  RenderState StateAt(const std::vector<double>& x) const;
  double AlbedoAt(const std::vector<double>& x) const;

 private:
  RenderState state_;
  double albedo_ = 1.0;
  ObservedQuantity quantity_ = ObservedQuantity::kBrightness;
  PhaseSystem system_ = PhaseSystem::kLaw;
  std::vector<FitParameter> parameters_;

  // `x` held within the bounds, by name; 0 for a name not varied.
  double Value(const std::vector<double>& x, const char* name) const;
};
