#include "surface_choice.h"

#include <string>
#include <variant>
#include <vector>

#include "elevation/elevation_model.h"
#include "intake/number_text.h"
#include "module_error.h"
#include "surface/surface_catalogue.h"
#include "view_options.h"

namespace py = pybind11;

namespace {

std::vector<double> SurfaceValues(const SurfaceKind& kind, const py::dict& given) {
  std::vector<double> values = StartValues(kind);
  for (const auto& [key, value] : given) {
    const auto name = py::cast<std::string>(key);
    size_t index = 0;
    while (index < kind.parameters.size() && name != kind.parameters[index].name) ++index;
    if (index == kind.parameters.size()) {
      throw ModuleError("the surface " + std::string(kind.name) + " has no parameter \"" + name +
                        "\"");
    }
    const SurfaceParameter& parameter = kind.parameters[index];
    const auto number = py::cast<double>(value);
    if (!(number >= parameter.low && number <= parameter.high)) {
      throw ModuleError("surface parameter " + name + " is a number from " +
                        BoxText(py::float_(parameter.low)) + " to " +
                        BoxText(py::float_(parameter.high)));
    }
    values[index] = number;
  }
  return values;
}

}  // namespace

// A catalogue surface by name, or else an elevation model's file read as the program reads it.
HeightField LoadSurface(const SurfaceChoice& choice) {
  HeightField field;
  if (const SurfaceKind* kind = FindSurfaceKind(choice.name)) {
    const auto [width, height] =
        choice.size.value_or(std::pair{kDefaultSurfaceSide, kDefaultSurfaceSide});
    if (width < 1 || height < 1 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) {
      throw ModuleError("surface_size: each side from 1 to " + std::to_string(kMaxSurfaceSide));
    }
    field = MakeSurface(*kind, width, height, SurfaceValues(*kind, choice.parameters));
  } else {
    if (!choice.parameters.empty() || choice.size) {
      throw ModuleError("\"" + choice.name +
                        "\" is not a catalogue surface, and a file has its own grid and no "
                        "parameters");
    }
    std::variant<HeightField, ElevationError> read = ReadElevationModel(choice.name);
    if (const auto* error = std::get_if<ElevationError>(&read)) ThrowMessage(error->said);
    field = std::move(std::get<HeightField>(read));
  }
  if (choice.heightScale != 1.0) {
    for (double& z : field.z) z *= choice.heightScale;
  }
  return field;
}

LightAim LightOf(const py::handle& light) {
  const auto pair = py::cast<py::sequence>(light);
  if (py::len(pair) != 2) throw ModuleError("a light is (slant, tilt) in degrees");
  const NumberReading<double> slant = ReadAngleDegrees(BoxText(pair[0]), CNumberFormat());
  const NumberReading<double> tilt = ReadAngleDegrees(BoxText(pair[1]), CNumberFormat());
  if (!slant.Ok() || !tilt.Ok()) {
    throw ModuleError("a light needs (slant, tilt), two numbers in degrees within range, got (" +
                      BoxText(pair[0]) + ", " + BoxText(pair[1]) + ")");
  }
  return {slant.value, tilt.value};
}
