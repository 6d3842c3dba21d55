#include "app/surface/surface_choice.h"

#include "app/surface/albedo_image.h"
#include "surface/surface_catalogue.h"

SurfaceScene MakeChosenScene(const SurfaceChoice& choice) {
  HeightField field;
  if (choice.imported) {
    field = *choice.imported;
  } else {
    const SurfaceKind& kind = SurfaceCatalogue().at(static_cast<size_t>(choice.kind));
    field = MakeSurface(kind, choice.width, choice.height, choice.values);
    if (choice.heightScale != 1.0) {
      for (double& z : field.z) z *= choice.heightScale;
    }
  }
  std::vector<double> albedo = AlbedoFromImage(choice.albedo, field.width, field.height);
  return MakeScene(std::move(field), std::move(albedo));
}
