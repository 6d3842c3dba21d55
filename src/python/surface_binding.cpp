// A surface's images as the renderer's --surface paints them: a catalogue surface or an elevation
// model imaged under the described source and each extra light, with the cells in cast shadow if
// asked, and phi at every cell as the surface's readout gives it.
//
//   view -> state and the slant's intake -> height field -> scene (gradients once) -> for each
//   source: cast shadows, PaintSurfaceImage, ReadSurfaceCell's phi

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "gradient/light_sources.h"
#include "intake/number_text.h"
#include "interruptible.h"
#include "module_error.h"
#include "module_parts.h"
#include "pass/exposure.h"
#include "picture_array.h"
#include "surface/cast_shadows.h"
#include "surface/surface_image.h"
#include "surface_choice.h"
#include "view_options.h"
#include "view_pass.h"

namespace py = pybind11;

namespace {

// What the renderer paints a surface with: --source K of --light's sources, one at a time.
constexpr size_t kMaxSources = kMaxLightSources;

struct SurfaceImages {
  std::vector<ImageBuffer> pictures;
  std::vector<std::vector<float>> phi;  // one a source, row by row; NaN where no data
};

// `autoExposure`: each image at the exposure that paints its brightest cell white, as the
// renderer's --exposure auto paints the image of its --source.
SurfaceImages PaintSources(const RenderState& state, const SurfaceScene& scene,
                           const std::vector<LightAim>& sources, bool castShadows,
                           bool autoExposure) {
  const int width = scene.field.width;
  const int height = scene.field.height;
  std::vector<std::vector<uint8_t>> shadows(sources.size());
  if (castShadows) {
    for (size_t k = 0; k < sources.size(); ++k) shadows[k] = CastShadows(scene.field, sources[k]);
  }
  SurfaceImages images;
  for (size_t k = 0; k < sources.size(); ++k) {
    RenderState painted = state;
    if (autoExposure) {
      painted.exposure = AutoExposure(width, height, [&](int x, int y) -> std::optional<Readout> {
        const std::optional<SurfaceReadout> cell =
            ReadSurfaceCell(state, scene, sources, shadows, x, y);
        if (!cell) return std::nullopt;
        return cell->sources[k];
      });
    }
    images.pictures.emplace_back(width, height, ImageBuffer::Unpainted{});
    PaintSurfaceImage(painted, scene, sources[k], shadows[k], images.pictures.back());
  }
  images.phi.assign(sources.size(), std::vector<float>(static_cast<size_t>(width) * height,
                                                       std::numeric_limits<float>::quiet_NaN()));
  for (int row = 0; row < height && !PassCancelled(); ++row) {
    for (int column = 0; column < width; ++column) {
      const std::optional<SurfaceReadout> cell =
          ReadSurfaceCell(state, scene, sources, shadows, column, row);
      if (!cell) continue;
      for (size_t k = 0; k < cell->sources.size(); ++k) {
        images.phi[k][static_cast<size_t>(row) * width + column] =
            cell->sources[k].reading.functionPhi;
      }
    }
  }
  return images;
}

py::dict SurfaceImagesOf(const std::string& surface,
                         const std::optional<std::pair<int, int>>& surfaceSize,
                         const py::dict& surfaceParams, double heightScale, const py::list& lights,
                         bool castShadows, const py::kwargs& kwargs) {
  const ViewOptions view = ViewFromKwargs(kwargs);
  if (view.overlay.outline || view.overlay.sourceMark || view.overlay.contourLines) {
    throw ModuleError("outline, source_mark and contour_lines draw on the sphere or the map");
  }
  for (const char* sphereOnly : {"scale", "size", "smooth", "background"}) {
    if (kwargs.contains(sphereOnly)) {
      throw ModuleError(std::string(sphereOnly) +
                        " shapes the sphere and the map, not a surface's images");
    }
  }
  if (!(heightScale > 0.0 && heightScale <= 1e6)) {
    throw ModuleError("height_scale needs a number above 0 and at most 1000000");
  }
  RenderState state = ViewState(view);
  ShadeIntakeOutcome intake = ReadShadeParameters(state, view.inputs, CNumberFormat());
  if (const auto* error = std::get_if<InputError>(&intake)) ThrowInputError(*error);
  std::vector<LightAim> sources{DescribedSource(state)};
  for (const py::handle light : lights) sources.push_back(LightOf(light));
  if (sources.size() > kMaxSources) throw ModuleError("a surface takes up to seven lights");
  HeightField field = LoadSurface({surface, surfaceSize, surfaceParams, heightScale});
  SurfaceImages images;
  RunInterruptibly([&] {
    const SurfaceScene scene = MakeScene(std::move(field));
    images = PaintSources(state, scene, sources, castShadows, view.autoExposure);
  });
  py::list pictures;
  py::list phi;
  py::list aims;
  for (size_t k = 0; k < sources.size(); ++k) {
    pictures.append(PictureArray(images.pictures[k]));
    const ImageBuffer& picture = images.pictures[k];
    py::array_t<float> cells({picture.Height(), picture.Width()});
    std::copy(images.phi[k].begin(), images.phi[k].end(), cells.mutable_data());
    phi.append(cells);
    aims.append(py::make_tuple(sources[k].slantDegrees, sources[k].tiltDegrees));
  }
  py::dict result;
  result["images"] = pictures;
  result["phi"] = phi;
  result["lights"] = aims;
  return result;
}

}  // namespace

void BindSurface(py::module_& module) {
  module.def(
      "surface_images", &SurfaceImagesOf, py::kw_only(), py::arg("surface"),
      py::arg("surface_size") = py::none(), py::arg("surface_params") = py::dict(),
      py::arg("height_scale") = 1.0, py::arg("lights") = py::list(),
      py::arg("cast_shadows") = false,
      (std::string("The images of a surface as gauss-sphere-render --surface paints them, E = "
                   "R(p, q) one pixel a cell: surface= a catalogue name (surfaces(); "
                   "surface_size=(w, h), surface_params) or an elevation model's file, "
                   "height_scale, cast_shadows, under the described source (slant=) and each of "
                   "lights=[(slant, tilt), ...] (up to seven, the renderer's --light). The law and "
                   "the colouring are the view's keywords (") +
       ViewKeywordsDoc() +
       "; the rotations do not apply, exposure is a number). Returns a dict: images, one "
       "(height, width, 3) uint8 array a source, the pixels of --source K; phi, one float32 "
       "array a source, the function's phi times the albedo as the readout gives it, NaN where "
       "the surface has no data; lights, (slant, tilt) of each. Runs with the GIL released; "
       "Ctrl+C stops it.")
          .c_str());
}
