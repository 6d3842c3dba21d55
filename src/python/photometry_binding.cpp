// The module's absolute photometry: a law's geometric albedo, phase integral and spherical albedo,
// the asteroid magnitude systems' phase functions, and the fit of a law or a system to observed
// points, as the phase curve window and the renderer's --albedos and --fit give them.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "curves/disc_photometry.h"
#include "curves/magnitude_systems.h"
#include "curves/phase_fit.h"
#include "interruptible.h"
#include "module_error.h"
#include "module_parts.h"
#include "view_options.h"
#include "view_pass.h"

namespace py = pybind11;

namespace {

py::dict AlbedosDict(double albedo, const py::kwargs& kwargs) {
  const RenderState state = ViewState(ViewFromKwargs(kwargs));
  if (!(albedo >= 0.0)) throw ModuleError("albedo must be a number from 0");
  std::optional<DiscPhotometry> photometry;
  RunInterruptibly([&] { photometry = ComputeDiscPhotometry(state, albedo); });
  if (!photometry) {
    throw ModuleError(
        "no albedos: the mirror's brightness is a point, and a function that is 0 "
        "over the whole disc at g = 0 has none");
  }
  py::dict result;
  result["geometric_albedo"] = photometry->geometricAlbedo;
  result["phase_integral"] = photometry->phaseIntegral;
  result["spherical_albedo"] = photometry->sphericalAlbedo;
  return result;
}

py::dict FitDict(const std::vector<double>& degrees, const std::vector<double>& values,
                 const std::vector<std::string>& names,
                 const std::optional<std::vector<double>>& sigma, bool magnitudes, double albedo,
                 const py::kwargs& kwargs) {
  if (degrees.size() != values.size() || (sigma && sigma->size() != values.size())) {
    throw ModuleError("g, values and sigma must be of one length");
  }
  ObservationSet points;
  points.quantity = magnitudes ? ObservedQuantity::kMagnitude : ObservedQuantity::kBrightness;
  points.weighted = sigma.has_value();
  for (size_t k = 0; k < degrees.size(); ++k) {
    const double s = sigma ? (*sigma)[k] : 0.0;
    if (!(degrees[k] >= 0.0 && degrees[k] <= 180.0) || !std::isfinite(values[k]) ||
        (!magnitudes && !(values[k] > 0.0)) || (sigma && !(s > 0.0 && std::isfinite(s)))) {
      throw ModuleError("point " + std::to_string(k) +
                        ": g lies from 0 to 180 degrees, a value is finite (a brightness above 0) "
                        "and sigma above 0");
    }
    points.points.push_back({degrees[k], values[k], s});
  }
  const RenderState state = ViewState(ViewFromKwargs(kwargs));
  std::variant<PhaseModel, Message> made =
      PhaseModel::Make(state, albedo, points.quantity, names, points);
  if (const auto* message = std::get_if<Message>(&made)) ThrowMessage(*message);
  std::variant<PhaseFit, Message> fitted = Message{};
  RunInterruptibly([&] { fitted = FitPhaseModel(std::get<PhaseModel>(made), points); });
  if (const auto* message = std::get_if<Message>(&fitted)) ThrowMessage(*message);
  const PhaseFit& fit = std::get<PhaseFit>(fitted);
  py::dict valuesByName;
  py::dict uncertainties;
  for (const FittedValue& value : fit.values) {
    valuesByName[py::str(value.name)] = value.value;
    uncertainties[py::str(value.name)] = value.uncertainty;
  }
  py::dict result;
  result["values"] = valuesByName;
  result["uncertainties"] = uncertainties;
  result["chi_square"] = fit.chiSquare;
  result["degrees_of_freedom"] = fit.degreesOfFreedom;
  result["model"] =
      py::array_t<double>(static_cast<py::ssize_t>(fit.predicted.size()), fit.predicted.data());
  result["residuals"] =
      py::array_t<double>(static_cast<py::ssize_t>(fit.residuals.size()), fit.residuals.data());
  return result;
}

}  // namespace

void BindPhotometry(py::module_& module) {
  module.def("albedos", &AlbedosDict, py::arg("albedo") = 1.0,
             "The law of a view (the keywords of sphere(); only function, params and formula "
             "matter) on its physical scale `albedo` (Lambert's albedo of matte, the "
             "single-scattering albedo of lommel-seeliger, the radiance factor at i = e = g = 0 "
             "of the others; hapke takes its params' w): a dict of geometric_albedo (p), "
             "phase_integral (q) and spherical_albedo (A = p q).");
  module.def("hg_phase", py::vectorize(&HgPhase), py::arg("g"), py::arg("G"),
             "Phi(g) of the H, G system (Bowell et al. 1989), g in radians.");
  module.def("hg1g2_phase", py::vectorize(&Hg1g2Phase), py::arg("g"), py::arg("G1"), py::arg("G2"),
             "Phi(g) of the H, G1, G2 system (Muinonen et al. 2010), g in radians.");
  module.def("fit_phase_curve", &FitDict, py::arg("g"), py::arg("values"), py::arg("fit"),
             py::arg("sigma") = py::none(), py::arg("magnitudes") = false, py::arg("albedo") = 1.0,
             "Fits observed points (g in degrees; brightness on the geometric albedo's scale, or "
             "reduced magnitudes with magnitudes=True; optional sigma) by weighted least squares: "
             "`fit` names the view's law parameters with albedo or H, or H, G, or H, G1, G2. A "
             "dict of values and uncertainties by name, chi_square, degrees_of_freedom, model and "
             "residuals, as the renderer's --fit prints them. Interruptible with Ctrl+C.");
}
