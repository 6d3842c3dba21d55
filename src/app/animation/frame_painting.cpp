#include "app/animation/frame_painting.h"

#include <QPainter>

#include "app/picture/image_picture.h"
#include "app/surface/surface_paint.h"
#include "figure/compared_row.h"
#include "figure/figure_frame.h"
#include "figure/overlay_drawing.h"
#include "figure/whole_figure.h"
#include "gradient/light_sources.h"
#include "model/startup_values.h"
#include "pass/raster_pass.h"
#include "photometry/light_source.h"

namespace {

constexpr int kSurfaceGap = 8;  // white pixels between the images of two sources

std::vector<UsedSource> AllSources(const SweptFrame& frame) {
  std::vector<UsedSource> sources{{1, DescribedSource(frame.state)}};
  sources.insert(sources.end(), frame.extraSources.begin(), frame.extraSources.end());
  return sources;
}

QImage PaintSphere(const AnimatedScene& scene, const SweptFrame& frame) {
  RenderState state = frame.state;
  state.pixelScale = ScaledPixelScale(1);
  QImage image = BlankPictureImage(scene.size, 1);
  ImagePicture picture(image);
  RunRasterPass(state, picture, scene.smoothing);
  const SphereOverlay overlay =
      FindSphereOverlay(state, image.width(), image.height(), scene.overlay);
  QPainter painter(&image);
  DrawSphereOverlay(painter, 1, overlay, scene.overlay.lineWidth,
                    Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
  return image;
}

QImage PaintMap(const AnimatedScene& scene, const SweptFrame& frame) {
  QImage image = BlankPictureImage(scene.size, 1);
  ImagePicture picture(image);
  PaintGradientMap(frame.state, picture, scene.smoothing, scene.view);
  const LevelContours contours =
      FindMapContours(frame.state, image.width(), image.height(), scene.view, scene.overlay);
  const FigureFrame figure{image.size(), 1,         scene.view,
                           scene.font,   QLocale(), scene.overlay.lineWidth};
  QPainter painter(&image);
  DrawContourLines(painter, 1, contours, scene.overlay.lineWidth);
  PaintFigure(painter, figure, FigureContent{AllSources(frame), scene.litByAll, nullptr});
  return image;
}

// The images of every source side by side, as the surface's window shows them.
QImage PaintSurfaceImages(const AnimatedScene& scene, const SweptFrame& frame) {
  SurfacePaintRequest request;
  request.pass = LastPass{frame.state, scene.smoothing, scene.overlay.lineWidth};
  request.scene = scene.surface;
  request.choice = scene.surfaceChoice;
  request.sources = AllSources(frame);
  request.castShadows = scene.castShadows;
  const PaintedSurface painted = PaintSurface(request);
  int width = 0;
  int height = 0;
  for (const QImage& one : painted.images) {
    width += one.width() + (width > 0 ? kSurfaceGap : 0);
    height = std::max(height, one.height());
  }
  QImage row(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  row.fill(Qt::white);
  QPainter painter(&row);
  int x = 0;
  for (const QImage& one : painted.images) {
    painter.drawImage(x, 0, one);
    x += one.width() + kSurfaceGap;
  }
  return row;
}

// Each sphere of the row keeps its function and parameters and takes the frame's view, light
// and exposure.
QImage PaintComparedRow(const AnimatedScene& scene, const SweptFrame& frame) {
  std::vector<QImage> spheres;
  for (const RenderState& compared : scene.compared) {
    RenderState state = frame.state;
    state.reflectanceKind = compared.reflectanceKind;
    state.law = compared.law;
    state.glossS = compared.glossS;
    state.glossN = compared.glossN;
    if (state.reflectanceKind == kMirror) {
      state.mirrorTolerance = MirrorToleranceForSlant(state.sourceSlant);
    }
    state.pixelScale = ScaledPixelScale(1);
    QImage image = BlankPictureImage({kDefaultPictureWidth, kDefaultPictureHeight}, 1);
    ImagePicture picture(image);
    RunRasterPass(state, picture, scene.smoothing);
    spheres.push_back(image);
  }
  const int columns = std::min(3, static_cast<int>(spheres.size()));
  return ComparedRowImage(spheres, scene.captions, columns, scene.font);
}

}  // namespace

QImage PaintFrame(const AnimatedScene& scene, const SweptFrame& frame) {
  switch (scene.picture) {
    case AnimatedPicture::kSphere:
      return PaintSphere(scene, frame);
    case AnimatedPicture::kMap:
      return PaintMap(scene, frame);
    case AnimatedPicture::kSurface:
      return PaintSurfaceImages(scene, frame);
    case AnimatedPicture::kCompare:
      return PaintComparedRow(scene, frame);
  }
  return {};
}
