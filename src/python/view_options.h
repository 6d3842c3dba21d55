#pragma once
// One view as the renderer's options describe it, read from a Python call's keyword arguments:
// the function and its parameters, the rotations and slant as the boxes' texts, the legend, the
// switches, the size, what is drawn over the picture. The pictures, the per-pixel phi and the
// readout of the module all start from it, through the steps the renderer takes for the same
// options.
//
//   **kwargs -> ViewOptions -> fresh RenderState (start-up values, then the options) -> pass

#include <pybind11/pybind11.h>

#include <array>
#include <optional>
#include <string>

#include "intake/parameter_intake.h"
#include "law_choice.h"
#include "model/picture.h"
#include "model/render_state.h"
#include "model/startup_values.h"
#include "overlay/overlay_marks.h"

struct ViewOptions {
  LawChoice law;
  ShadeInputs inputs;  // rot_x, rot_y, rot_z, slant (and glossy's s, n from the parameters)
  std::optional<std::array<float, kIsoBandCount>> isoLevel;  // levels, top legend row first
  std::optional<std::array<float, kIsoBandCount>> isoHalfWidth;
  bool colourIsolines = true;  // grey=True turns them off
  bool halfSphere = true;      // whole_sphere=True turns it off
  bool smooth = false;
  bool plain = false;
  double exposure = 1.0;
  bool autoExposure = false;  // exposure="auto": the brightest phi painted white
  Rgb background{255, 255, 255};
  OverlayChoice overlay;  // outline, source_mark, contour_lines, line_width
  int scale = 1;
  int width = kDefaultPictureWidth;
  int height = kDefaultPictureHeight;
};

// The keyword arguments a view takes, for the docstrings: "function, params, formula, ...".
const char* ViewKeywordsDoc();

// Reads the keyword arguments; throws ModuleError for an unknown keyword or a value that does not
// fit its keyword (the law's parameters are checked here too).
ViewOptions ViewFromKwargs(const pybind11::kwargs& kwargs);

// A fresh state with the start-up values and the view's settings, before the shade press reads
// the texts (the renderer's ApplyJobSettings for the same options).
RenderState ViewState(const ViewOptions& view);

// A Python number or text as the text a box would hold: str() of it.
std::string BoxText(const pybind11::handle& value);
