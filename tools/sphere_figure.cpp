#include "sphere_figure.h"

#include <QPainter>

#include "figure/overlay_drawing.h"
#include "headless_gui.h"

bool DrawsSphereFigure(const RenderJob& job) {
  return job.overlay.contourLines || job.overlay.outline || job.overlay.sourceMark;
}

void PaintSphereFigure(const RenderJob& job, const RenderState& lastPass, QImage& image) {
  if (image.isNull() || !DrawsSphereFigure(job)) return;
  EnsureHeadlessGui();
  const SphereOverlay overlay =
      FindSphereOverlay(lastPass, image.width(), image.height(), job.overlay);
  image.setDevicePixelRatio(job.scale);
  QPainter painter(&image);
  DrawSphereOverlay(painter, job.scale, overlay, job.overlay.lineWidth, job.background);
}

void DrawSphereFigureOver(const RenderJob& job, const RenderState& lastPass, ImageBuffer& picture) {
  const PixelRows rows = picture.Rows();
  if (rows.first == nullptr || rows.width <= 0 || rows.height <= 0) return;
  // The buffer's words are a Format_RGB32 image's pixels: the marks are drawn on them in place.
  QImage image(reinterpret_cast<uchar*>(rows.first), rows.width, rows.height,
               static_cast<qsizetype>(rows.stride * sizeof(uint32_t)), QImage::Format_RGB32);
  PaintSphereFigure(job, lastPass, image);
}
