// The phase curve: the disc-integrated brightness against the phase angle, and its closed forms.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <optional>

#include "curves/phase_curve.h"
#include "interruptible.h"
#include "module_error.h"
#include "module_parts.h"
#include "view_options.h"

namespace py = pybind11;

namespace {

py::dict PhaseCurveDict(double step, const py::kwargs& kwargs) {
  const ViewOptions view = ViewFromKwargs(kwargs);
  const RenderState state = ViewState(view);
  if (!(step >= 0.1 && step <= 30.0)) {
    throw ModuleError("step must lie from 0.1 to 30 degrees, got " + BoxText(py::float_(step)));
  }
  std::optional<PhaseCurve> curve;
  RunInterruptibly([&] { curve = ComputePhaseCurve(state, step); });
  if (!curve) {
    throw ModuleError(
        "no phase curve: the mirror's brightness is a point, and a function that "
        "is 0 over the whole disc at g = 0 has none");
  }
  py::dict result;
  result["g"] =
      py::array_t<double>(static_cast<py::ssize_t>(curve->degrees.size()), curve->degrees.data());
  result["brightness"] = py::array_t<double>(static_cast<py::ssize_t>(curve->brightness.size()),
                                             curve->brightness.data());
  result["phase_integral"] = curve->phaseIntegral;
  result["csv"] = PhaseCurveCsv(*curve);
  return result;
}

}  // namespace

void BindCurves(py::module_& module) {
  module.def("phase_curve", &PhaseCurveDict, py::arg("step") = 1.0,
             "The disc-integrated phase curve of a view's function (the keywords of sphere(); "
             "only function, params and formula matter) in steps of `step` degrees (0.1 to 30): "
             "a dict of g (degrees, 0 up to 180), brightness (1 at g = 0), phase_integral and "
             "csv (the renderer's --phase-curve text). Interruptible with Ctrl+C.");
  module.def("lambert_sphere_phase", py::vectorize(&LambertSpherePhase), py::arg("g"),
             "The Lambert sphere's phase function (sin g + (pi - g) cos g) / pi, g in radians.");
  module.def("lommel_seeliger_sphere_phase", py::vectorize(&LommelSeeligerSpherePhase),
             py::arg("g"), "The Lommel-Seeliger sphere's phase function, g in radians.");
}
