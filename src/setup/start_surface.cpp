// The start surface of a setup: what «Поверхность» shows when first opened.

#include "setup/setup.h"
#include "surface/surface_catalogue.h"

SurfaceSetup StartSurfaceSetup() {
  SurfaceSetup surface;
  const SurfaceKind& first = SurfaceCatalogue().front();
  surface.kind = first.name;
  surface.parameters = StartValues(first);
  surface.width = kDefaultSurfaceSide;
  surface.height = kDefaultSurfaceSide;
  return surface;
}
