#pragma once
// The catalogue of synthetic surfaces: each kind with its name (for the command line), its
// Russian title, where it comes from, its start-up size and its parameters, and the height field
// it makes. Heights and spacing are in pixels (spacing 1), except the vase, which keeps the
// units of its definition (x in [-0.5, 0.5], y in [0, 1]).
//
//   kind + size + parameter values -> HeightField

#include <string>
#include <string_view>
#include <vector>

#include "model/height_field.h"

struct SurfaceParameter {
  const char* name;   // for the command line: --surface-param NAME=VALUE
  const char* title;  // Russian, for the window
  double start;
  double low;
  double high;
};

struct SurfaceKind {
  const char* name;
  const char* title;
  const char* origin;  // Russian: where the surface comes from, for the help and the window
  std::vector<SurfaceParameter> parameters;
  HeightField (*make)(int width, int height, const std::vector<double>& values);
};

inline constexpr int kDefaultSurfaceSide = 256;
inline constexpr int kMaxSurfaceSide = 4096;
// The sides the window's «Поверхность» offers, and the bound of its height scale either way (a
// negative scale turns the relief over).
inline constexpr int kMinSurfaceWindowSide = 16;
inline constexpr int kMaxSurfaceWindowSide = 1024;
inline constexpr double kHeightScaleLimit = 1000.0;

const std::vector<SurfaceKind>& SurfaceCatalogue();

// The kind named `name`, or nullptr.
const SurfaceKind* FindSurfaceKind(std::string_view name);

// The parameters' start values of `kind`.
std::vector<double> StartValues(const SurfaceKind& kind);

// The surface of `kind` on a width x height grid with `values` (one for each parameter, each
// within its range).
HeightField MakeSurface(const SurfaceKind& kind, int width, int height,
                        const std::vector<double>& values);
