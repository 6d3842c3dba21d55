// The pictures of a view: the sphere and the gradient-space map as the renderer's pixels, the
// function's phi at every pixel, and the readout of one pixel.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <limits>
#include <optional>
#include <string>

#include "gradient/gradient_readout.h"
#include "map_figure_pixels.h"
#include "module_error.h"
#include "module_parts.h"
#include "pass/readout.h"
#include "picture_array.h"
#include "sphere_overlay_pixels.h"
#include "view_pass.h"

namespace py = pybind11;

namespace {

std::optional<Readout> ReadoutOf(const ViewPass& pass, const ViewOptions& view, bool gradientSpace,
                                 int x, int y) {
  const int width = pass.picture.Width();
  const int height = pass.picture.Height();
  if (gradientSpace) return GradientReadoutAtPixel(pass.state, width, height, x, y, view.scale);
  return ReadoutAtPixel(pass.state, width, height, x, y);
}

// The function's own phi (before the upper bound) at each pixel's centre, NaN off the sphere or
// the map.
py::array_t<float> PhiArray(const py::kwargs& kwargs, bool gradientSpace) {
  const ViewOptions view = ViewFromKwargs(kwargs);
  const ViewPass pass = RunViewPass(view, gradientSpace);
  py::array_t<float> array({view.height, view.width});
  auto phi = array.mutable_unchecked<2>();
  {
    const py::gil_scoped_release released;
    for (int y = 0; y < view.height; ++y) {
      for (int x = 0; x < view.width; ++x) {
        const std::optional<Readout> readout = ReadoutOf(pass, view, gradientSpace, x, y);
        phi(y, x) =
            readout ? readout->reading.functionPhi : std::numeric_limits<float>::quiet_NaN();
      }
    }
  }
  return array;
}

py::object ReadoutDict(int x, int y, bool gradientSpace, const py::kwargs& kwargs) {
  const ViewOptions view = ViewFromKwargs(kwargs);
  const ViewPass pass = RunViewPass(view, gradientSpace);
  const std::optional<Readout> readout = ReadoutOf(pass, view, gradientSpace, x, y);
  if (!readout) return py::none();
  const SampleReading& reading = readout->reading;
  py::dict result;
  result["i"] = readout->angleI;
  result["e"] = readout->angleE;
  result["g"] = readout->angleG;
  result["phi"] = reading.functionPhi;
  result["painted"] = reading.phi;
  result["zone"] = ZoneName(reading.zone);
  result["point"] =
      py::make_tuple(reading.surfacePoint.x, reading.surfacePoint.y, reading.surfacePoint.z);
  if (readout->gradient) {
    result["p"] = readout->gradient->p;
    result["q"] = readout->gradient->q;
  }
  result["line"] = FormatReadoutLine(readout);
  return result;
}

std::string ViewDoc(const char* what) {
  return std::string(what) +
         "\n\nKeyword arguments (the renderer's options): " + ViewKeywordsDoc() +
         ".\nfunction is a key of laws(); params a dict of its parameters by name (glossy: s, n); "
         "formula the text of function='formula'. Angles in degrees, as numbers or texts read as "
         "the window's boxes read them. size=(width, height); by default 393x337 times scale.";
}

}  // namespace

void BindPictures(py::module_& module) {
  module.def(
      "sphere",
      [](const py::kwargs& kwargs) {
        const ViewOptions view = ViewFromKwargs(kwargs);
        ViewPass pass = RunViewPass(view, false);
        DrawSphereOverlayOver(pass.picture, pass.state, view.scale, view.overlay, view.background);
        return PictureArray(pass.picture);
      },
      ViewDoc("The sphere's picture as a (height, width, 3) uint8 array: the pixels "
              "gauss-sphere-render writes for the same options, with the marks drawn over it: "
              "outline=True the disc's outline, source_mark=True a sun where the source's "
              "direction meets the sphere, contour_lines=True the seven levels as lines in their "
              "legend colours over the grey tone instead of tinted bands; line_width 1 to 4.")
          .c_str());
  module.def(
      "gradient_map",
      [](bool figure, const py::kwargs& kwargs) {
        const ViewOptions view = ViewFromKwargs(kwargs);
        if (view.overlay.outline || view.overlay.sourceMark) {
          throw ModuleError("outline and source_mark draw on the sphere, not on the map");
        }
        ViewPass pass = RunViewPass(view, true);
        if (figure) DrawMapFigureOver(pass.picture, pass.state, view.scale, view.overlay);
        return PictureArray(pass.picture);
      },
      py::arg("figure") = true,
      ViewDoc("The reflectance map R(p, q) in gradient space as a (height, width, 3) uint8 array: "
              "the pixels of gauss-sphere-render --gradient-space for the same options, its "
              "figure (contour_lines, axes, ticks, conventions) drawn in; figure=False leaves the "
              "pass's pixels "
              "alone. Rotations and whole_sphere do not apply.")
          .c_str());
  module.def(
      "sphere_phi", [](const py::kwargs& kwargs) { return PhiArray(kwargs, false); },
      ViewDoc("The function's phi (float32, before the upper bound) at the centre of each pixel "
              "of the sphere's picture, as the readout gives it; NaN off the sphere.")
          .c_str());
  module.def(
      "gradient_map_phi", [](const py::kwargs& kwargs) { return PhiArray(kwargs, true); },
      ViewDoc("The function's phi (float32) at the centre of each pixel of the gradient-space "
              "map; NaN where no orientation is seen.")
          .c_str());
  module.def(
      "readout",
      [](int x, int y, bool gradientSpace, const py::kwargs& kwargs) {
        return ReadoutDict(x, y, gradientSpace, kwargs);
      },
      py::arg("x"), py::arg("y"), py::arg("gradient_space") = false,
      ViewDoc("The readout under the pointer at picture pixel (x, y) (top-left origin) after the "
              "view's pass: a dict with i, e, g (degrees), phi, painted, zone, point (x, y, z), "
              "p and q on the map, and line (the renderer's --readout line); None off the "
              "sphere or the map.")
          .c_str());
}
