#include "map_figure.h"

#include <QLocale>
#include <optional>

#include "figure/figure_frame.h"
#include "figure/overlay_drawing.h"
#include "figure/used_source.h"
#include "figure/whole_figure.h"
#include "figure_options.h"
#include "gradient/gradient_view.h"
#include "gradient/isophotes_through.h"

std::vector<LightAim> JobSources(const RenderJob& job, const RenderState& lastPass) {
  std::vector<LightAim> sources{DescribedSource(lastPass)};
  sources.insert(sources.end(), job.extraSources.begin(), job.extraSources.end());
  return sources;
}

void PaintMapFigure(const RenderJob& job, const RenderState& lastPass, QPainter& painter,
                    QSize deviceSize) {
  if (deviceSize.isEmpty()) return;
  const FigureFrame frame{deviceSize,
                          job.scale,
                          ScaledGradientView(job.scale),
                          StandaloneFigureFont(),
                          QLocale::c(),
                          job.overlay.lineWidth};
  FigureContent content;
  if (DrawsFigure(job)) content.sources = NumberedInOrder(JobSources(job, lastPass));
  content.litByAll = job.litByAll;
  std::optional<IsophotesThrough> isophotes;
  if (job.through) {
    isophotes = FindIsophotesThrough(lastPass, AimsOf(content.sources), *job.through, frame.view,
                                     deviceSize.width(), deviceSize.height());
    content.isophotes = &*isophotes;
  }
  const LevelContours contours =
      FindMapContours(lastPass, deviceSize.width(), deviceSize.height(), frame.view, job.overlay);
  DrawContourLines(painter, frame.ratio, contours, frame.lineWidth);
  PaintFigure(painter, frame, content);
}
