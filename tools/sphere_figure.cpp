#include "sphere_figure.h"

#include "figure/overlay_drawing.h"

bool DrawsSphereFigure(const RenderJob& job) {
  return job.overlay.contourLines || job.overlay.outline || job.overlay.sourceMark;
}

void PaintSphereFigure(const RenderJob& job, const RenderState& lastPass, QPainter& painter,
                       QSize deviceSize) {
  if (deviceSize.isEmpty() || !DrawsSphereFigure(job)) return;
  const SphereOverlay overlay =
      FindSphereOverlay(lastPass, deviceSize.width(), deviceSize.height(), job.overlay);
  DrawSphereOverlay(painter, job.scale, overlay, job.overlay.lineWidth, job.background);
}
