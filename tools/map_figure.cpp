#include "map_figure.h"

#include <cstddef>

#include "shading/figure_marks.h"
#include "shading/gradient_map.h"
#include "shading/gradient_view.h"
#include "shading/isophote_crossings.h"
#include "shading/isophotes.h"
#include "shading/lit_by_all.h"
#include "shading/source_phi.h"

std::vector<LightAim> JobSources(const RenderJob& job, const RenderState& lastPass) {
  std::vector<LightAim> sources{DescribedSource(lastPass)};
  sources.insert(sources.end(), job.extraSources.begin(), job.extraSources.end());
  return sources;
}

void PaintMapFigure(const RenderJob& job, const RenderState& lastPass, Picture& picture) {
  const GradientView view = ScaledGradientView(job.scale);
  const std::vector<LightAim> sources = JobSources(job, lastPass);
  PaintGradientMap(lastPass, picture, job.smooth, view);
  if (job.litByAll) ShadeLitByAll(picture, view, lastPass, sources, kLitHatchColour);
  DrawGradientAxes(picture, job.scale);
  for (size_t k = 0; k < sources.size(); ++k) {
    DrawShadowLine(picture, view, sources[k], kSourceColours[k], true);
    DrawSourceMark(picture, view, sources[k], kSourceColours[k], true);
  }
  if (!job.through) return;
  const Gradient through = *job.through;
  for (size_t k = 0; k < sources.size(); ++k) {
    const float phi = SourcePhiField(lastPass, sources[k]).FunctionPhi(through);
    DrawIsophote(picture, view, lastPass, sources[k], phi, kSourceColours[k]);
  }
  if (sources.size() < 2) return;
  const std::vector<Gradient> crossings = IsophoteCrossings(
      lastPass, sources[0], sources[1], through, view, picture.Width(), picture.Height());
  DrawCrossingMarks(picture, view, crossings, kCrossingColour, kCrossingMarkRadius);
  if (sources.size() < 3) return;
  DrawCrossingMarks(picture, view,
                    CrossingsSharedBy(lastPass, sources[2], through, crossings, view),
                    kSharedCrossingColour, kSharedCrossingMarkRadius);
}
