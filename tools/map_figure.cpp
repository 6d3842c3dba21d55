#include "map_figure.h"

#include <cstddef>

#include "gradient/figure_marks.h"
#include "gradient/figure_overlay.h"
#include "gradient/gradient_map.h"
#include "gradient/gradient_view.h"
#include "gradient/lit_by_all.h"

std::vector<LightAim> JobSources(const RenderJob& job, const RenderState& lastPass) {
  std::vector<LightAim> sources{DescribedSource(lastPass)};
  sources.insert(sources.end(), job.extraSources.begin(), job.extraSources.end());
  return sources;
}

void PaintMapFigure(const RenderJob& job, const RenderState& lastPass, Picture& picture) {
  const GradientView view = ScaledGradientView(job.scale);
  const std::vector<LightAim> aims = JobSources(job, lastPass);
  std::vector<FigureSource> sources;
  for (size_t k = 0; k < aims.size(); ++k) sources.push_back({aims[k], kSourceColours.at(k)});
  PaintGradientMap(lastPass, picture, job.smooth, view);
  if (job.litByAll) ShadeLitByAll(picture, view, lastPass, aims, kLitHatchColour);
  DrawGradientAxes(picture, job.scale);
  DrawSourcesMarks(picture, view, sources, true);
  if (job.through) DrawIsophotesThrough(picture, view, lastPass, sources, *job.through, false);
}
