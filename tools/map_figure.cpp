#include "map_figure.h"

#include <QLocale>
#include <QPainter>
#include <optional>

#include "figure/figure_frame.h"
#include "figure/overlay_drawing.h"
#include "figure/used_source.h"
#include "figure/whole_figure.h"
#include "figure_options.h"
#include "gradient/gradient_view.h"
#include "gradient/isophotes_through.h"
#include "headless_gui.h"

std::vector<LightAim> JobSources(const RenderJob& job, const RenderState& lastPass) {
  std::vector<LightAim> sources{DescribedSource(lastPass)};
  sources.insert(sources.end(), job.extraSources.begin(), job.extraSources.end());
  return sources;
}

void PaintMapFigure(const RenderJob& job, const RenderState& lastPass, QImage& image) {
  if (image.isNull()) return;
  EnsureHeadlessGui();
  image.setDevicePixelRatio(job.scale);
  const FigureFrame frame{image.size(),           job.scale,    ScaledGradientView(job.scale),
                          StandaloneFigureFont(), QLocale::c(), job.overlay.lineWidth};
  FigureContent content;
  if (DrawsFigure(job)) content.sources = NumberedInOrder(JobSources(job, lastPass));
  content.litByAll = job.litByAll;
  std::optional<IsophotesThrough> isophotes;
  if (job.through) {
    isophotes = FindIsophotesThrough(lastPass, AimsOf(content.sources), *job.through, frame.view,
                                     image.width(), image.height());
    content.isophotes = &*isophotes;
  }
  const LevelContours contours =
      FindMapContours(lastPass, image.width(), image.height(), frame.view, job.overlay);
  QPainter painter(&image);
  DrawContourLines(painter, frame.ratio, contours, frame.lineWidth);
  PaintFigure(painter, frame, content);
}

void DrawMapFigureOver(const RenderJob& job, const RenderState& lastPass, ImageBuffer& picture) {
  const PixelRows rows = picture.Rows();
  if (rows.first == nullptr || rows.width <= 0 || rows.height <= 0) return;
  // The buffer's words are a Format_RGB32 image's pixels: the figure draws on them in place.
  QImage image(reinterpret_cast<uchar*>(rows.first), rows.width, rows.height,
               static_cast<qsizetype>(rows.stride * sizeof(uint32_t)), QImage::Format_RGB32);
  PaintMapFigure(job, lastPass, image);
}
