#include "map_figure_pixels.h"

#include <QLocale>
#include <QPainter>

#include "figure/figure_frame.h"
#include "figure/overlay_drawing.h"
#include "figure/whole_figure.h"
#include "gradient/gradient_view.h"
#include "offscreen_painting.h"

void DrawMapFigureOver(ImageBuffer& picture, const RenderState& lastPass, int scale,
                       const OverlayChoice& overlay) {
  EnsureOffscreenGui();
  QImage image = PictureImage(picture, scale);
  if (image.isNull()) return;
  QPainter painter(&image);
  const FigureFrame frame{image.size(),           scale,        ScaledGradientView(scale),
                          StandaloneFigureFont(), QLocale::c(), overlay.lineWidth};
  const LevelContours contours =
      FindMapContours(lastPass, image.width(), image.height(), frame.view, overlay);
  DrawContourLines(painter, frame.ratio, contours, frame.lineWidth);
  PaintFigure(painter, frame, FigureContent{});
}
