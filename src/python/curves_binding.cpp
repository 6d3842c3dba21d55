// The phase curve: the disc-integrated brightness against the phase angle, and its closed forms.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "curves/phase_curve.h"
#include "curves/photometric_equator.h"
#include "curves/profile.h"
#include "gradient/gradient_readout.h"
#include "interruptible.h"
#include "module_error.h"
#include "module_parts.h"
#include "view_options.h"
#include "view_pass.h"

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

py::dict ProfileDict(const std::vector<ProfileSample>& samples, const std::string& csv) {
  const auto count = static_cast<py::ssize_t>(samples.size());
  py::array_t<int> xs(count);
  py::array_t<int> ys(count);
  py::array_t<double> distance(count);
  py::array_t<float> phi(count);
  py::array_t<float> painted(count);
  for (py::ssize_t k = 0; k < count; ++k) {
    const ProfileSample& sample = samples[static_cast<size_t>(k)];
    xs.mutable_at(k) = sample.x;
    ys.mutable_at(k) = sample.y;
    distance.mutable_at(k) = sample.distance;
    const float none = std::numeric_limits<float>::quiet_NaN();
    phi.mutable_at(k) = sample.readout ? sample.readout->reading.functionPhi : none;
    painted.mutable_at(k) = sample.readout ? sample.readout->reading.phi : none;
  }
  py::dict result;
  result["x"] = xs;
  result["y"] = ys;
  result["distance"] = distance;
  result["phi"] = phi;
  result["painted"] = painted;
  result["csv"] = csv;
  return result;
}

py::dict LineProfile(int x0, int y0, int x1, int y1, bool gradientSpace, const py::kwargs& kwargs) {
  const ViewOptions view = ViewFromKwargs(kwargs);
  for (const auto& [x, y] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
    if (x < 0 || y < 0 || x >= view.width || y >= view.height) {
      throw ModuleError(std::to_string(x) + "," + std::to_string(y) + " lies outside the " +
                        std::to_string(view.width) + "x" + std::to_string(view.height) +
                        " picture");
    }
  }
  const ViewPass pass = RunViewPass(view, gradientSpace);
  const ProfileReader read = [&](int x, int y) {
    return gradientSpace
               ? GradientReadoutAtPixel(pass.state, view.width, view.height, x, y, view.scale)
               : ReadoutAtPixel(pass.state, view.width, view.height, x, y);
  };
  const std::vector<ProfileSample> samples = ReadProfile(x0, y0, x1, y1, read);
  return ProfileDict(samples, ProfileCsv(samples));
}

py::dict EquatorProfile(const py::kwargs& kwargs) {
  const ViewOptions view = ViewFromKwargs(kwargs);
  const ViewPass pass = RunViewPass(view, false);
  const std::vector<ProfileSample> samples =
      PhotometricEquatorProfile(pass.state, view.width, view.height);
  return ProfileDict(samples, EquatorProfileCsv(samples));
}

}  // namespace

void BindCurves(py::module_& module) {
  module.def("phase_curve", &PhaseCurveDict, py::arg("step") = 1.0,
             "The disc-integrated phase curve of a view's function (the keywords of sphere(); "
             "only function, params and formula matter) in steps of `step` degrees (0.1 to 30): "
             "a dict of g (degrees, 0 up to 180), brightness (1 at g = 0), phase_integral and "
             "csv (the renderer's --phase-curve text). Interruptible with Ctrl+C.");
  module.def("profile", &LineProfile, py::arg("x0"), py::arg("y0"), py::arg("x1"), py::arg("y1"),
             py::arg("gradient_space") = false,
             "phi along the line from picture pixel (x0, y0) to (x1, y1) of the sphere (or the "
             "map), each pixel read as the readout reads it: a dict of x, y, distance (pixels), "
             "phi and painted (NaN over the background) and csv (the renderer's --profile "
             "text). The view's keywords as sphere() takes them.");
  module.def("equator_profile", &EquatorProfile,
             "phi along the sphere's photometric equator, the great circle through the points "
             "facing the observer and the source: the dict of profile(), csv as the renderer's "
             "--profile equator writes it.");
  module.def("lambert_sphere_phase", py::vectorize(&LambertSpherePhase), py::arg("g"),
             "The Lambert sphere's phase function (sin g + (pi - g) cos g) / pi, g in radians.");
  module.def("lommel_seeliger_sphere_phase", py::vectorize(&LommelSeeligerSpherePhase),
             py::arg("g"), "The Lommel-Seeliger sphere's phase function, g in radians.");
}
