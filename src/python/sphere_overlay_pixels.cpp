#include "sphere_overlay_pixels.h"

#include <QPainter>

#include "figure/overlay_drawing.h"
#include "offscreen_painting.h"

void DrawSphereOverlayOver(ImageBuffer& picture, const RenderState& lastPass, int scale,
                           const OverlayChoice& overlay, Rgb background) {
  if (!overlay.contourLines && !overlay.outline && !overlay.sourceMark) return;
  EnsureOffscreenGui();
  QImage image = PictureImage(picture, scale);
  if (image.isNull()) return;
  QPainter painter(&image);
  const SphereOverlay marks = FindSphereOverlay(lastPass, image.width(), image.height(), overlay);
  DrawSphereOverlay(painter, scale, marks, overlay.lineWidth, background);
}
