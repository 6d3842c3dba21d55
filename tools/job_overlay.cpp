#include "job_overlay.h"

#include <cstdint>

#include "headless_gui.h"
#include "map_figure.h"
#include "sphere_figure.h"

bool JobHasOverlay(const RenderJob& job) { return job.gradientSpace || DrawsSphereFigure(job); }

void PaintJobOverlay(const RenderJob& job, const RenderState& lastPass, QPainter& painter,
                     QSize deviceSize) {
  if (job.gradientSpace) {
    PaintMapFigure(job, lastPass, painter, deviceSize);
  } else {
    PaintSphereFigure(job, lastPass, painter, deviceSize);
  }
}

QImage PassImage(const RenderJob& job, ImageBuffer& picture) {
  const PixelRows rows = picture.Rows();
  if (rows.first == nullptr || rows.width <= 0 || rows.height <= 0) return {};
  // The buffer's words are a Format_RGB32 image's pixels, 0xffRRGGBB.
  QImage image(reinterpret_cast<uchar*>(rows.first), rows.width, rows.height,
               static_cast<qsizetype>(rows.stride * sizeof(uint32_t)), QImage::Format_RGB32);
  image.setDevicePixelRatio(job.scale);
  return image;
}

void DrawJobOverlayOver(const RenderJob& job, const RenderState& lastPass, ImageBuffer& picture) {
  if (!JobHasOverlay(job)) return;
  EnsureHeadlessGui();
  QImage image = PassImage(job, picture);
  if (image.isNull()) return;
  QPainter painter(&image);
  PaintJobOverlay(job, lastPass, painter, image.size());
}
