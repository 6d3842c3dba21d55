// The laws: their keys and parameters, and phi(i, e, g) over numpy arrays as a pass stores it.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "intake/number_text.h"
#include "law_choice.h"
#include "model/angles.h"
#include "model/startup_values.h"
#include "module_error.h"
#include "module_parts.h"
#include "photometry/additional_laws.h"
#include "photometry/law_catalogue.h"
#include "photometry/reflectance.h"
#include "view_options.h"

namespace py = pybind11;

namespace {

// phi of the state's function at angles in degrees, the readout's degrees (the program's pi): the
// cosines stored as 32-bit values, as a pass stores them, and the law's constants of the phase
// angle g, formed again only when g changes.
class AnglePhi {
 public:
  explicit AnglePhi(const RenderState& state) : state_(state) {}

  float At(double i, double e, double g) {
    const auto cosI = static_cast<float>(std::cos(RadiansInDouble(i)));
    const auto cosE = static_cast<float>(std::cos(RadiansInDouble(e)));
    if (!formedG_ || g != *formedG_) FormFor(g);
    switch (state_.reflectanceKind) {
      case kMatte:
        return MattePhi(cosI);
      case kGlossy:
        return GlossyPhi(cosI, cosE, cosG_, state_.glossS, state_.glossN);
      case kRocky:
        return RockyPhi(cosI, cosE);
      default:
        return AdditionalLawPhi(cosI, cosE, law_);
    }
  }

 private:
  void FormFor(double g) {
    state_.sourceSlant = RadiansFromDegrees(g);
    cosG_ = std::cos(static_cast<double>(state_.sourceSlant));
    if (IsAdditionalLaw(state_.reflectanceKind)) law_ = MakeLawConstants(state_, cosG_);
    formedG_ = g;
  }

  RenderState state_;
  std::optional<double> formedG_;
  double cosG_ = 1.0;
  LawConstants law_;
};

RenderState LawState(const std::string& function, const py::object& params,
                     const py::object& formula) {
  LawChoice choice;
  choice.key = function;
  if (!params.is_none()) {
    for (const auto& [name, value] : py::cast<py::dict>(params)) {
      choice.parameters.emplace_back(py::cast<std::string>(name), BoxText(value));
    }
  }
  if (!formula.is_none()) choice.formula = py::cast<std::string>(formula);
  RenderState state;
  ApplyStartupValues(state);
  ShadeInputs inputs;
  ApplyLawChoice(choice, state, inputs);
  if (state.reflectanceKind == kMirror) {
    throw ModuleError("mirror has no phi(i, e, g) of its own: its tolerance belongs to a pass");
  }
  // s and n read as the glossy function's boxes read them.
  ShadeIntakeOutcome intake = ReadShadeParameters(state, inputs, CNumberFormat());
  if (const auto* error = std::get_if<InputError>(&intake)) ThrowMessage(error->said);
  return state;
}

py::array_t<float> PhiOfAngles(const std::string& function, const py::object& i,
                               const py::object& e, const py::object& g, const py::object& params,
                               const py::object& formula) {
  AnglePhi phi(LawState(function, params, formula));
  const py::module_ numpy = py::module_::import("numpy");
  const auto arrays = py::cast<py::tuple>(numpy.attr("broadcast_arrays")(
      numpy.attr("asarray")(i, "float64"), numpy.attr("asarray")(e, "float64"),
      numpy.attr("asarray")(g, "float64")));
  using Doubles = py::array_t<double, py::array::c_style | py::array::forcecast>;
  const auto angleI = py::cast<Doubles>(arrays[0]);
  const auto angleE = py::cast<Doubles>(arrays[1]);
  const auto angleG = py::cast<Doubles>(arrays[2]);
  py::array_t<float> result(
      std::vector<py::ssize_t>(angleI.shape(), angleI.shape() + angleI.ndim()));
  const py::ssize_t count = angleI.size();
  const double* is = angleI.data();
  const double* es = angleE.data();
  const double* gs = angleG.data();
  float* out = result.mutable_data();
  {
    const py::gil_scoped_release released;
    for (py::ssize_t k = 0; k < count; ++k) out[k] = phi.At(is[k], es[k], gs[k]);
  }
  return result;
}

py::dict ParameterDict(const LawParameterSpec& spec) {
  py::dict parameter;
  parameter["name"] = std::string(spec.name);
  parameter["lowest"] = spec.lowest;
  parameter["highest"] = spec.highest;
  parameter["start"] = spec.startValue;
  return parameter;
}

py::list LawList() {
  py::list laws;
  for (const std::string& key : FunctionKeys()) {
    py::dict law;
    law["key"] = key;
    py::list parameters;
    if (const LawEntry* entry = FindLawByName(key)) {
      law["name"] = EnglishText(Message{"CoreTexts", entry->displayName, {}, -1});
      law["starter_formula"] = std::string(entry->starterFormula);
      for (const LawParameterSpec& spec : entry->parameters) parameters.append(ParameterDict(spec));
    } else {
      law["name"] = key;
      law["starter_formula"] = "";
    }
    if (key == "glossy") {
      const double inf = INFINITY;
      parameters.append(ParameterDict({"s", -inf, inf, 0.5}));
      parameters.append(ParameterDict({"n", -inf, inf, 16.0}));
    }
    law["parameters"] = parameters;
    laws.append(law);
  }
  return laws;
}

}  // namespace

void BindLaws(py::module_& module) {
  module.def("laws", &LawList,
             "Every reflectance function: a list of dicts with key (as function= and the "
             "renderer's --function take it), name, starter_formula (the law as a formula's "
             "text) and parameters (dicts of name, lowest, highest, start; params= takes them by "
             "name). The four described functions come first; glossy's s and n have no range.");
  module.def("phi", &PhiOfAngles, py::arg("function"), py::arg("i"), py::arg("e"), py::arg("g"),
             py::arg("params") = py::none(), py::arg("formula") = py::none(),
             "phi(i, e, g) of a function by key over numpy arrays (broadcast together) of the "
             "angles of incidence i, emission e and phase g in degrees, as the readout writes "
             "them (the program's pi, 3.14159). The cosines are stored as 32-bit values and phi "
             "as the 32-bit value a pass stores, before the upper bound: where cos i <= 0 the "
             "additional laws give cos i. params: the function's parameters by name; formula: "
             "the text of function='formula'. The mirror has no phi of its own (Error).");
}
