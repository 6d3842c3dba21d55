#include "view_options.h"

#include <string_view>

#include "intake/input_messages.h"
#include "intake/legend_intake.h"
#include "intake/number_text.h"
#include "model/backgrounds.h"
#include "module_error.h"
#include "pass/exposure.h"
#include "photometry/pass_constants.h"

namespace py = pybind11;

namespace {

// The renderer's limits of --size and --scale.
constexpr int kMaxPictureSide = 10000;
constexpr int kMaxScale = 16;

std::string Quoted(const std::string& text) { return "\"" + ShortenedText(text) + "\""; }

bool Flag(const py::handle& value) { return py::cast<bool>(value); }

// Seven numbers, read as the window reads its legend boxes.
std::array<float, kIsoBandCount> BandList(const std::string& keyword, const py::handle& value) {
  const auto items = py::cast<py::sequence>(value);
  if (py::len(items) != static_cast<size_t>(kIsoBandCount)) {
    throw ModuleError(keyword + " needs exactly 7 numbers, got " + std::to_string(py::len(items)));
  }
  LegendTexts texts;
  for (size_t k = 0; k < texts.size(); ++k) texts[k] = BoxText(items[k]);
  std::array<float, kIsoBandCount> values{};
  const LegendErrors errors = ReadLegendColumn(texts, CNumberFormat(), values);
  for (size_t k = 0; k < errors.size(); ++k) {
    if (errors[k] != NumberError::kNone) {
      throw ModuleError(keyword + ": element " + std::to_string(k) + " " + Quoted(texts[k]) +
                        " is not a number within the range of a 32-bit float");
    }
  }
  return values;
}

int WholeWithin(const std::string& keyword, const py::handle& value, int lowest, int highest) {
  const int whole = py::cast<int>(value);
  if (whole < lowest || whole > highest) {
    throw ModuleError(keyword + " must lie from " + std::to_string(lowest) + " to " +
                      std::to_string(highest) + ", got " + std::to_string(whole));
  }
  return whole;
}

void ReadKeyword(const std::string& keyword, const py::handle& value, ViewOptions& view,
                 bool& sizeGiven) {
  if (keyword == "function") {
    view.law.key = py::cast<std::string>(value);
  } else if (keyword == "params") {
    for (const auto& [name, given] : py::cast<py::dict>(value)) {
      view.law.parameters.emplace_back(py::cast<std::string>(name), BoxText(given));
    }
  } else if (keyword == "formula") {
    view.law.formula = py::cast<std::string>(value);
  } else if (keyword == "rot_x") {
    view.inputs.rotX = BoxText(value);
  } else if (keyword == "rot_y") {
    view.inputs.rotY = BoxText(value);
  } else if (keyword == "rot_z") {
    view.inputs.rotZ = BoxText(value);
  } else if (keyword == "slant") {
    view.inputs.slant = BoxText(value);
  } else if (keyword == "levels") {
    view.isoLevel = BandList(keyword, value);
  } else if (keyword == "half_widths") {
    view.isoHalfWidth = BandList(keyword, value);
  } else if (keyword == "grey") {
    view.colourIsolines = !Flag(value);
  } else if (keyword == "whole_sphere") {
    view.halfSphere = !Flag(value);
  } else if (keyword == "smooth") {
    view.smooth = Flag(value);
  } else if (keyword == "plain") {
    view.plain = Flag(value);
  } else if (keyword == "exposure" && py::isinstance<py::str>(value) &&
             py::cast<std::string>(value) == "auto") {
    view.autoExposure = true;
  } else if (keyword == "exposure") {
    view.exposure = py::cast<double>(value);
    if (!(view.exposure >= kMinExposure && view.exposure <= kMaxExposure)) {
      throw ModuleError("exposure needs auto or a number from 0.1 to 10, got " + BoxText(value));
    }
  } else if (keyword == "background") {
    const std::string name = py::cast<std::string>(value);
    const std::optional<Rgb> colour = BackgroundNamed(name);
    if (!colour) throw ModuleError("background must be white, black or grey, got " + Quoted(name));
    view.background = *colour;
  } else if (keyword == "outline") {
    view.overlay.outline = Flag(value);
  } else if (keyword == "source_mark") {
    view.overlay.sourceMark = Flag(value);
  } else if (keyword == "contour_lines") {
    view.overlay.contourLines = Flag(value);
  } else if (keyword == "line_width") {
    view.overlay.lineWidth = WholeWithin(keyword, value, kMinLineWidth, kMaxLineWidth);
  } else if (keyword == "scale") {
    view.scale = WholeWithin(keyword, value, 1, kMaxScale);
  } else if (keyword == "size") {
    const auto sides = py::cast<py::sequence>(value);
    if (py::len(sides) != 2) throw ModuleError("size needs (width, height)");
    view.width = WholeWithin("width", sides[0], 1, kMaxPictureSide);
    view.height = WholeWithin("height", sides[1], 1, kMaxPictureSide);
    sizeGiven = true;
  } else {
    throw ModuleError("unknown keyword " + Quoted(keyword) + "; a view takes " + ViewKeywordsDoc());
  }
}

}  // namespace

const char* ViewKeywordsDoc() {
  return "function, params, formula, rot_x, rot_y, rot_z, slant, levels, half_widths, grey, "
         "whole_sphere, smooth, plain, exposure, background, outline, source_mark, contour_lines, "
         "line_width, scale, size";
}

std::string BoxText(const py::handle& value) { return py::cast<std::string>(py::str(value)); }

ViewOptions ViewFromKwargs(const py::kwargs& kwargs) {
  ViewOptions view;
  bool sizeGiven = false;
  for (const auto& [key, value] : kwargs) {
    const auto keyword = py::cast<std::string>(key);
    try {
      ReadKeyword(keyword, value, view, sizeGiven);
    } catch (const py::cast_error&) {
      throw ModuleError(keyword + " has the wrong type: " +
                        py::cast<std::string>(py::str(py::type::of(value).attr("__name__"))));
    }
  }
  if (view.plain && view.overlay.contourLines) {
    throw ModuleError("plain paints the grey tone alone, without bands: leave out contour_lines");
  }
  if (!sizeGiven) {
    view.width = kDefaultPictureWidth * view.scale;
    view.height = kDefaultPictureHeight * view.scale;
  }
  // Checked now, so that a bad parameter is reported before any pass.
  RenderState state;
  ShadeInputs inputs = view.inputs;
  ApplyLawChoice(view.law, state, inputs);
  view.inputs = inputs;
  return view;
}

RenderState ViewState(const ViewOptions& view) {
  RenderState state;
  ApplyStartupValues(state);
  ShadeInputs unused;
  ApplyLawChoice(view.law, state, unused);
  if (view.isoLevel) state.isoLevel = *view.isoLevel;
  if (view.isoHalfWidth) state.isoHalfWidth = *view.isoHalfWidth;
  state.showIsolines = static_cast<int16_t>(view.colourIsolines ? 1 : 0);
  state.halfSphere = static_cast<int16_t>(view.halfSphere ? 1 : 0);
  state.pixelScale = ScaledPixelScale(view.scale);
  state.exposure = view.exposure;
  state.bandsAsLines = static_cast<int16_t>(view.overlay.contourLines ? 1 : 0);
  SetBackground(state, view.background);
  if (view.plain) SetPlainGrey(state);
  return state;
}
