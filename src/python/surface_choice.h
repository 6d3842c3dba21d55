#pragma once
// A surface as the module's calls name it: a catalogue surface by name with its grid and
// parameters, or an elevation model's file, and the vertical exaggeration; and a light as
// (slant, tilt) in degrees. What surface_images() paints and recover() recovers.

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <utility>

#include "gradient/light_sources.h"
#include "model/height_field.h"

struct SurfaceChoice {
  std::string name;
  std::optional<std::pair<int, int>> size;
  pybind11::dict parameters;
  double heightScale = 1.0;
};

// The catalogue's surface made at its start values with the given ones over them, or else the
// elevation model read as the program reads it; heights times the scale. Throws ModuleError.
HeightField LoadSurface(const SurfaceChoice& choice);

// (slant, tilt) read as the slant box reads angles. Throws ModuleError.
LightAim LightOf(const pybind11::handle& light);
