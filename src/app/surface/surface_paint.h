#pragma once
// The surface window's painting, run off the window's thread: the scene made again when the
// surface changed, then for each source its cast shadows (when asked for) and its image, and
// source 1's phi at each cell for the pre-image of an isophote (when a map may point at one).
// A cancelled pass stops at its next step; what it leaves is thrown away.
//
//   SurfacePaintRequest -> PaintSurface -> PaintedSurface { ShownSurface, one image a source }

#include <QImage>
#include <QSize>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/picture/last_pass.h"
#include "app/surface/surface_choice.h"
#include "figure/used_source.h"
#include "overlay/marching_squares.h"
#include "surface/surface_image.h"

// What the images show, and what their readout and marks read.
struct ShownSurface {
  LastPass pass;
  std::shared_ptr<const SurfaceScene> scene;
  std::vector<UsedSource> sources;                // source 1 first
  std::vector<std::vector<uint8_t>> castShadows;  // one for each source; each empty without
  SampleGrid phi;                                 // source 1's at each cell; empty unless asked
};

struct SurfacePaintRequest {
  LastPass pass;
  std::shared_ptr<const SurfaceScene> scene;  // nullptr: made from `choice`
  SurfaceChoice choice;
  std::vector<UsedSource> sources;
  bool castShadows = false;
  bool withPhi = false;
  int pixelRatio = 1;
};

struct PaintedSurface {
  ShownSurface shown;
  std::vector<QImage> images;  // one for each source, in order
};

// The logical size of the image of a width x height field at `pixelRatio` device pixels to one:
// one device pixel a cell, the last logical pixel only partly covered when the ratio does not
// divide the side.
QSize SurfaceImageSize(int width, int height, int pixelRatio);

PaintedSurface PaintSurface(const SurfacePaintRequest& request);
