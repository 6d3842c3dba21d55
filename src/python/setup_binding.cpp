// Setup files (*.gsetup) read as the program reads them, as the keywords of a view (what the
// renderer's --setup takes from one for the sphere and the map), and a view written as one, as the
// renderer's --write-setup writes the same options.

#include <pybind11/pybind11.h>

#include <QFile>
#include <array>
#include <charconv>
#include <string>
#include <variant>

#include "fileio/whole_file.h"
#include "intake/input_messages.h"
#include "intake/number_text.h"
#include "model/backgrounds.h"
#include "module_error.h"
#include "module_parts.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "setup/setup_file.h"
#include "view_options.h"

namespace py = pybind11;

namespace {

constexpr const char* kDescribedKeys[] = {"", "matte", "glossy", "rocky", "mirror"};

// A number as the renderer turns a setup's number into a box's text: the shortest text that
// reads back as the same double.
std::string CText(double value) {
  std::array<char, 32> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return {digits.data(), written.ptr};
}

py::list Floats(const std::array<float, kIsoBandCount>& values) {
  py::list list;
  for (const float value : values) list.append(CText(value));
  return list;
}

py::dict LawParameters(const Setup& setup) {
  py::dict parameters;
  const int32_t kind = setup.sphere.reflectanceKind;
  if (kind == kFormula) {
    for (const FormulaParameterSetup& parameter : setup.law.formula.parameters) {
      parameters[py::str(parameter.name)] = CText(parameter.value);
    }
  } else if (kind == kGlossy) {
    parameters["s"] = CText(setup.sphere.glossS);
    parameters["n"] = CText(setup.sphere.glossN);
  } else if (const LawEntry* law = FindLaw(kind)) {
    for (size_t k = 0; k < law->parameters.size(); ++k) {
      const bool mcEwen =
          kind == kLunarLambert && k == kLunarLambertL && setup.law.lunarLambertMcEwen;
      parameters[py::str(std::string(law->parameters[k].name))] =
          mcEwen ? std::string("mcewen") : CText(setup.law.parameters[k]);
    }
  }
  return parameters;
}

py::dict ReadSetupView(const std::string& path) {
  const SetupSaidOutcome outcome =
      ReadSetupFileSaid(QFile::decodeName(QByteArray::fromStdString(path)));
  if (const auto* refusal = std::get_if<Message>(&outcome)) ThrowMessage(*refusal);
  const Setup& setup = std::get<SetupReading>(outcome).setup;
  const SphereSetup& sphere = setup.sphere;
  py::dict view;
  const int32_t kind = sphere.reflectanceKind;
  if (kind >= kMatte && kind <= kMirror) {
    view["function"] = kDescribedKeys[kind];
  } else if (const LawEntry* law = FindLaw(kind)) {
    view["function"] = std::string(law->name);
  }
  view["params"] = LawParameters(setup);
  if (kind == kFormula) view["formula"] = setup.law.formula.text;
  view["rot_x"] = CText(sphere.rotX);
  view["rot_y"] = CText(sphere.rotY);
  view["rot_z"] = CText(sphere.rotZ);
  view["slant"] = CText(sphere.slant);
  view["levels"] = Floats(sphere.isoLevel);
  view["half_widths"] = Floats(sphere.isoHalfWidth);
  view["grey"] = !sphere.colourIsolines;
  view["whole_sphere"] = !sphere.halfSphere;
  view["smooth"] = sphere.smoothing;
  if (setup.picture.autoExposure) {
    view["exposure"] = "auto";
  } else {
    view["exposure"] = setup.picture.exposure;
  }
  if (BackgroundNamed(setup.picture.background)) view["background"] = setup.picture.background;
  view["outline"] = setup.picture.outline;
  view["source_mark"] = setup.picture.sourceMark;
  view["contour_lines"] = setup.picture.contourLines;
  view["line_width"] = setup.picture.lineWidth;
  return view;
}

double SetupNumber(const std::string& text) {
  const NumberReading<double> reading = ReadDouble(text, CNumberFormat());
  if (!reading.Ok()) throw ModuleError("write_setup: " + text + " does not read as a number");
  return reading.value;
}

std::string BackgroundName(Rgb colour) {
  for (const NamedBackground& background : kBackgrounds) {
    if (background.colour == colour) return std::string(background.name);
  }
  return std::string(kBackgrounds.front().name);
}

// The view as the renderer's --write-setup makes a setup of the same options: the other windows'
// sections at a fresh window's values.
Setup SetupOfView(const ViewOptions& view) {
  const RenderState state = ViewState(view);
  Setup setup;
  SphereSetup& sphere = setup.sphere;
  sphere.rotX = SetupNumber(view.inputs.rotX);
  sphere.rotY = SetupNumber(view.inputs.rotY);
  sphere.rotZ = SetupNumber(view.inputs.rotZ);
  sphere.slant = SetupNumber(view.inputs.slant);
  sphere.glossS = SetupNumber(view.inputs.glossS);
  sphere.glossN = SetupNumber(view.inputs.glossN);
  sphere.reflectanceKind = state.reflectanceKind;
  if (view.isoLevel) sphere.isoLevel = *view.isoLevel;
  if (view.isoHalfWidth) sphere.isoHalfWidth = *view.isoHalfWidth;
  sphere.colourIsolines = view.colourIsolines;
  sphere.halfSphere = view.halfSphere;
  sphere.smoothing = view.smooth;
  if (IsAdditionalLaw(state.reflectanceKind)) {
    setup.law.parameters = state.law.parameters;
    setup.law.lunarLambertMcEwen = state.law.lunarLambertMcEwen;
  }
  if (state.law.formula) {
    const std::vector<std::string>& names = state.law.formula->ParameterNames();
    setup.law.formula.text = state.law.formula->Text();
    for (size_t k = 0; k < names.size(); ++k) {
      setup.law.formula.parameters.push_back({names[k], state.law.parameters[k]});
    }
  }
  PictureSetup& picture = setup.picture;
  picture.exposure = view.exposure;
  picture.autoExposure = view.autoExposure;
  picture.background = BackgroundName(view.background);
  picture.contourLines = view.overlay.contourLines;
  picture.outline = view.overlay.outline;
  picture.sourceMark = view.overlay.sourceMark;
  picture.lineWidth = view.overlay.lineWidth;
  return setup;
}

void WriteSetupView(const std::string& path, const py::kwargs& kwargs) {
  const QByteArray bytes = WriteSetup(SetupOfView(ViewFromKwargs(kwargs)));
  const std::optional<WriteFailure> failure =
      WriteWholeFile(QFile::decodeName(QByteArray::fromStdString(path)),
                     std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                     FifoOpening::kFailWithoutReader);
  if (failure) {
    throw ModuleError("cannot write the setup \"" + ShortenedText(path) +
                      "\": " + SystemReason(*failure).toStdString());
  }
}

}  // namespace

void BindSetup(py::module_& module) {
  module.def("read_setup", &ReadSetupView, py::arg("path"),
             "A setup file (*.gsetup) read as the program reads it, as the keywords of a view: "
             "gs.sphere(**gs.read_setup(path)) paints what gauss-sphere-render --setup paints "
             "(the other windows' settings left out); outline and source_mark are the "
             "sphere's, to be left out for gradient_map(). A "
             "file that does not read raises Error naming the file, the key and the reason.");
  module.def("write_setup", &WriteSetupView, py::arg("path"),
             "Writes a view's keywords (those of sphere()) as a setup file, the file "
             "gauss-sphere-render --write-setup writes for the same options: the other windows' "
             "settings at a fresh window's values; plain, scale and size belong to no setup and "
             "are left out. Written whole or not at all: a write that fails leaves the old file "
             "as it was and raises Error with the system's reason.");
}
