// The steps of a recovery one at a time over numpy arrays, for labs that follow them: Woodham's
// photometric stereo of images under known sources, the three integrators of a gradient field,
// an elevation model and a folder of photographs read as the program reads them.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <QFile>
#include <algorithm>
#include <string>
#include <variant>

#include "cell_arrays.h"
#include "elevation/elevation_model.h"
#include "interruptible.h"
#include "module_error.h"
#include "module_parts.h"
#include "photoset/photo_set.h"
#include "recovery/normal_integration.h"
#include "recovery/photometric_stereo.h"
#include "view_options.h"

namespace py = pybind11;

namespace {

using Cells = py::array_t<double, py::array::c_style | py::array::forcecast>;

std::vector<double> CellsOf(const Cells& array) {
  return {array.data(), array.data() + array.size()};
}

py::dict ImagesDict(const RecoveryImages& images) {
  py::list list;
  for (const std::vector<double>& image : images.intensity) {
    list.append(Grid(image, images.width, images.height));
  }
  py::list lights;
  for (const LightAim& light : images.sources) {
    lights.append(py::make_tuple(light.slantDegrees, light.tiltDegrees));
  }
  py::dict result;
  result["images"] = list;
  result["lights"] = lights;
  return result;
}

py::dict PhotometricStereo(const py::sequence& images, const py::sequence& lights) {
  if (py::len(images) != py::len(lights)) throw ModuleError("one light an image");
  RecoveryImages input;
  for (size_t k = 0; k < py::len(images); ++k) {
    const auto image = py::cast<Cells>(images[k]);
    if (image.ndim() != 2) throw ModuleError("each image is a 2-D array (height, width)");
    const auto height = static_cast<int>(image.shape(0));
    const auto width = static_cast<int>(image.shape(1));
    if (k > 0 && (width != input.width || height != input.height)) {
      throw ModuleError("the images differ in size");
    }
    input.width = width;
    input.height = height;
    input.intensity.push_back(CellsOf(image));
    const auto light = py::cast<py::sequence>(lights[k]);
    if (py::len(light) != 2) throw ModuleError("a light is (slant, tilt) in degrees");
    input.sources.push_back({py::cast<double>(light[0]), py::cast<double>(light[1])});
  }
  std::variant<RecoveredNormals, LightsError> solved = RecoveredNormals{};
  RunInterruptibly([&] { solved = WoodhamStereo(input); });
  if (const auto* error = std::get_if<LightsError>(&solved)) ThrowMessage(error->said);
  RecoveredNormals& normals = std::get<RecoveredNormals>(solved);
  py::dict result;
  result["p"] = Grid(std::move(normals.p), normals.width, normals.height);
  result["q"] = Grid(std::move(normals.q), normals.width, normals.height);
  result["albedo"] = Grid(std::move(normals.albedo), normals.width, normals.height);
  return result;
}

py::array_t<double> Integrate(const Cells& p, const Cells& q, const std::string& method,
                              double spacingX, double spacingY) {
  if (p.ndim() != 2 || q.ndim() != 2 || p.shape(0) != q.shape(0) || p.shape(1) != q.shape(1)) {
    throw ModuleError("p and q are 2-D arrays of one shape");
  }
  RecoveredNormals gradients;
  gradients.height = static_cast<int>(p.shape(0));
  gradients.width = static_cast<int>(p.shape(1));
  gradients.spacingX = spacingX;
  gradients.spacingY = spacingY;
  gradients.p = CellsOf(p);
  gradients.q = CellsOf(q);
  gradients.albedo.assign(gradients.Cells(), 1.0);
  HeightField (*integrator)(const RecoveredNormals&) = nullptr;
  if (method == "fc") {
    integrator = &IntegrateFrankotChellappa;
  } else if (method == "dct") {
    integrator = &IntegrateDctPoisson;
  } else if (method == "poisson") {
    integrator = &IntegrateOnMask;
  } else {
    throw ModuleError("method must be fc, dct or poisson, got \"" + method + "\"");
  }
  HeightField heights;
  RunInterruptibly([&] { heights = integrator(gradients); });
  return Grid(std::move(heights.z), heights.width, heights.height);
}

py::dict Elevation(const std::string& path) {
  std::variant<HeightField, ElevationError> read = ReadElevationModel(path);
  if (const auto* error = std::get_if<ElevationError>(&read)) ThrowMessage(error->said);
  const HeightField& field = std::get<HeightField>(read);
  py::dict result;
  result["z"] = Grid(field.z, field.width, field.height);
  result["spacing"] = py::make_tuple(field.spacingX, field.spacingY);
  return result;
}

py::dict PhotoSet(const std::string& folder) {
  std::variant<RecoveryImages, Message> read =
      ReadPhotoSetSaid(QFile::decodeName(QByteArray::fromStdString(folder)));
  if (const auto* message = std::get_if<Message>(&read)) ThrowMessage(*message);
  return ImagesDict(std::get<RecoveryImages>(read));
}

}  // namespace

void BindStereo(py::module_& module) {
  module.def("photometric_stereo", &PhotometricStereo, py::arg("images"), py::arg("lights"),
             "Woodham's photometric stereo: images, a sequence of 2-D arrays (intensity, NaN "
             "where no data), and lights, one (slant, tilt) in degrees an image. Returns a dict "
             "of p, q and albedo arrays, NaN where a cell is lit in fewer than three images. "
             "Sources in one plane or fewer than three raise Error with the program's message.");
  module.def("integrate", &Integrate, py::arg("p"), py::arg("q"), py::arg("method") = "dct",
             py::arg("spacing_x") = 1.0, py::arg("spacing_y") = 1.0,
             "The heights whose slopes best match the gradients p = dz/dx, q = dz/dy (rows run "
             "downwards, y upwards), by method fc (Frankot-Chellappa), dct (the Poisson "
             "solution with Neumann boundaries) or poisson (a sparse solve over the given "
             "cells); NaN where no gradient was given, the given cells' mean height 0.");
  module.def("elevation", &Elevation, py::arg("path"),
             "An elevation model (GeoTIFF, ASCII grid, ENVI, PDS, ISIS3, 16-bit PNG) read as "
             "the program reads it: a dict of z (rows from the north, NaN for no data) and "
             "spacing (x, y).");
  module.def("photo_set", &PhotoSet, py::arg("folder"),
             "A folder of photographs (filenames.txt, light_directions.txt, optionally "
             "light_intensities.txt and mask.png) read as the program reads it: a dict of "
             "images (2-D arrays, 0 to 1) and lights ((slant, tilt) in degrees).");
}
