#pragma once
// The surface the window's controls describe, and the scene made from it: a kind of the
// catalogue with its size and parameter values, or an elevation model read from a file; its
// heights times the height scale; an albedo picture stretched over it, or none.
//
//   controls -> SurfaceChoice -> MakeChosenScene (off the window's thread) -> SurfaceScene

#include <QImage>
#include <memory>
#include <vector>

#include "model/height_field.h"
#include "surface/surface_image.h"

struct SurfaceChoice {
  int kind = 0;  // the catalogue's index; unused while `imported` is set
  int width = 0;
  int height = 0;
  std::vector<double> values;  // one for each of the kind's parameters, each within its range
  double heightScale = 1.0;
  std::shared_ptr<const HeightField> imported;  // read with the height scale already applied
  QImage albedo;                                // null: albedo 1 everywhere
};

// The field chosen, heights scaled, with its gradients and albedo.
SurfaceScene MakeChosenScene(const SurfaceChoice& choice);
