// Shape recovery as the renderer's --recover runs it: the images of a catalogue surface (or an
// elevation model) under the described source and the extra lights, or a folder of photographs;
// photometric stereo or shape from shading, the integrator, and the report against the truth.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <QFile>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cell_arrays.h"
#include "gradient/light_sources.h"
#include "intake/number_text.h"
#include "interruptible.h"
#include "module_error.h"
#include "module_parts.h"
#include "photoset/photo_set.h"
#include "recovery/recover_shape.h"
#include "recovery/recovery_report.h"
#include "surface/surface_catalogue.h"
#include "surface_choice.h"
#include "view_options.h"

namespace py = pybind11;

namespace {

py::dict Recover(const std::string& methodName, const std::string& integratorName,
                 const std::optional<std::string>& surface,
                 const std::optional<std::pair<int, int>>& surfaceSize,
                 const py::dict& surfaceParams, double heightScale, const py::list& lights,
                 double noise, int quantise, const std::optional<std::string>& images,
                 const py::kwargs& kwargs) {
  const std::optional<RecoveryMethod> method = RecoveryMethodNamed(methodName);
  if (!method) {
    throw ModuleError(
        "method must be ps, ps-law, ps-robust, sfs-tsai-shah, sfs-horn or sfs-fmm, got \"" +
        methodName + "\"");
  }
  const std::optional<Integrator> integrator = IntegratorNamed(integratorName);
  if (!integrator) {
    throw ModuleError("integrator must be fc, dct or poisson, got \"" + integratorName + "\"");
  }
  if (surface.has_value() == images.has_value()) {
    throw ModuleError("recover needs one input: surface= or images=");
  }
  if (!(noise >= 0.0 && noise <= 255.0)) throw ModuleError("noise: grey levels from 0 to 255");
  if (quantise != 0 && quantise != 8 && quantise != 16) throw ModuleError("quantise: 0, 8 or 16");
  const ViewOptions view = ViewFromKwargs(kwargs);
  RenderState state = ViewState(view);
  ShadeIntakeOutcome intake = ReadShadeParameters(state, view.inputs, CNumberFormat());
  if (const auto* error = std::get_if<InputError>(&intake)) ThrowMessage(error->said);

  RecoveryImages input;
  std::optional<HeightField> truth;
  if (surface) {
    truth = LoadSurface({*surface, surfaceSize, surfaceParams, heightScale});
    std::vector<LightAim> sources{DescribedSource(state)};
    for (const py::handle light : lights) sources.push_back(LightOf(light));
    RunInterruptibly([&] {
      const SurfaceScene scene = MakeScene(*truth);
      input = MakeRecoveryImages(state, scene, sources, CameraModel{noise, 1, quantise});
    });
  } else {
    std::variant<RecoveryImages, Message> read =
        ReadPhotoSetSaid(QFile::decodeName(QByteArray::fromStdString(*images)));
    if (const auto* message = std::get_if<Message>(&read)) ThrowMessage(*message);
    input = std::move(std::get<RecoveryImages>(read));
  }

  std::variant<RecoveredShape, LightsError> solved = RecoveredShape{};
  RunInterruptibly([&] { solved = RecoverShape(input, state, *method, *integrator); });
  if (const auto* error = std::get_if<LightsError>(&solved)) ThrowMessage(error->said);
  const RecoveredShape& shape = std::get<RecoveredShape>(solved);
  const RecoveredNormals& normals = shape.normals;
  std::string report = truth
                           ? FormatRecoveryReport(MeasureRecovery(*truth, &shape.heights, &normals))
                           : "recovered_pixels=" + std::to_string(normals.RecoveredCells()) + "\n";
  if (shape.rejectedSamples)
    report += "rejected_samples=" + std::to_string(*shape.rejectedSamples) + "\n";
  if (shape.ambiguousCells)
    report += "ambiguous_cells=" + std::to_string(*shape.ambiguousCells) + "\n";

  py::dict result;
  result["report"] = report;
  result["heights"] = Grid(shape.heights.z, shape.heights.width, shape.heights.height);
  result["p"] = Grid(normals.p, normals.width, normals.height);
  result["q"] = Grid(normals.q, normals.width, normals.height);
  result["albedo"] = Grid(normals.albedo, normals.width, normals.height);
  py::list imageList;
  for (const std::vector<double>& image : input.intensity) {
    imageList.append(Grid(image, input.width, input.height));
  }
  result["images"] = imageList;
  py::list sourceList;
  for (const LightAim& source : input.sources) {
    sourceList.append(py::make_tuple(source.slantDegrees, source.tiltDegrees));
  }
  result["lights"] = sourceList;
  result["spacing"] = py::make_tuple(shape.heights.spacingX, shape.heights.spacingY);
  result["truth"] = truth ? py::object(Grid(truth->z, truth->width, truth->height)) : py::none();
  return result;
}

py::list SurfaceList() {
  py::list kinds;
  for (const SurfaceKind& kind : SurfaceCatalogue()) {
    py::dict entry;
    entry["name"] = kind.name;
    py::list parameters;
    for (const SurfaceParameter& parameter : kind.parameters) {
      parameters.append(
          py::dict(py::arg("name") = parameter.name, py::arg("start") = parameter.start,
                   py::arg("lowest") = parameter.low, py::arg("highest") = parameter.high));
    }
    entry["parameters"] = parameters;
    kinds.append(entry);
  }
  return kinds;
}

}  // namespace

void BindRecovery(py::module_& module) {
  module.def("surfaces", &SurfaceList,
             "The catalogue of surfaces: dicts of name and parameters (name, start, lowest, "
             "highest), as surface= and surface_params= of recover() take them.");
  module.def(
      "recover", &Recover, py::arg("method") = "ps", py::arg("integrator") = "dct", py::kw_only(),
      py::arg("surface") = py::none(), py::arg("surface_size") = py::none(),
      py::arg("surface_params") = py::dict(), py::arg("height_scale") = 1.0,
      py::arg("lights") = py::list(), py::arg("noise") = 0.0, py::arg("quantise") = 0,
      py::arg("images") = py::none(),
      "Recovers a shape as gauss-sphere-render --recover does. method: ps, ps-law, ps-robust, "
      "sfs-tsai-shah, sfs-horn or sfs-fmm (an overhead source only); integrator (stereo only): fc, "
      "dct or poisson. The input is "
      "either surface= (a catalogue name or an elevation model's file; surface_size=(w, h), "
      "surface_params, height_scale) imaged under the described source (slant=) and each of "
      "lights=[(slant, tilt), ...], with noise= grey levels and quantise=8|16; or images=, a "
      "folder of photographs with filenames.txt and light_directions.txt. The law of ps-law and "
      "shape from shading, and the slant, are the view's keywords (function=, params=, "
      "slant=, ...). Returns a dict: report (the renderer's report text), heights, p, q, albedo "
      "(arrays, NaN where not recovered), spacing (x, y) of the grid, images, lights and truth "
      "(the true heights or None). "
      "Runs with the GIL released; Ctrl+C stops it.");
}
