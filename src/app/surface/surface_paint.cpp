#include "app/surface/surface_paint.h"

#include "app/picture/image_picture.h"
#include "pass/pass_control.h"
#include "surface/cast_shadows.h"
#include "surface/surface_marks.h"

namespace {

bool Cancelled() {
  const PassControl* control = CurrentPassControl();
  return control != nullptr && control->Cancelled();
}

int CeilDiv(int value, int divisor) { return (value + divisor - 1) / divisor; }

}  // namespace

QSize SurfaceImageSize(int width, int height, int pixelRatio) {
  return {CeilDiv(width, pixelRatio), CeilDiv(height, pixelRatio)};
}

PaintedSurface PaintSurface(const SurfacePaintRequest& request) {
  PaintedSurface painted;
  ShownSurface& shown = painted.shown;
  shown.pass = request.pass;
  shown.sources = request.sources;
  shown.scene = request.scene != nullptr
                    ? request.scene
                    : std::make_shared<const SurfaceScene>(MakeChosenScene(request.choice));
  const HeightField& field = shown.scene->field;
  const QSize size = SurfaceImageSize(field.width, field.height, request.pixelRatio);
  for (const UsedSource& source : request.sources) {
    if (Cancelled()) return painted;
    shown.castShadows.push_back(request.castShadows ? CastShadows(field, source.aim)
                                                    : std::vector<uint8_t>{});
    QImage image = BlankPictureImage(size, request.pixelRatio);
    ImagePicture picture(image);
    PaintSurfaceImage(request.pass.state, *shown.scene, source.aim, shown.castShadows.back(),
                      picture);
    painted.images.push_back(std::move(image));
  }
  if (request.withPhi && !request.sources.empty() && !Cancelled()) {
    shown.phi =
        SurfacePhiGrid(request.pass.state, shown.scene->gradients, request.sources.front().aim);
  }
  return painted;
}
