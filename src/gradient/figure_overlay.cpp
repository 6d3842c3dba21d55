#include "gradient/figure_overlay.h"

#include "gradient/figure_marks.h"
#include "gradient/isophote_crossings.h"
#include "gradient/isophotes.h"
#include "gradient/source_phi.h"

namespace {

constexpr Rgb kCrossingOutline{0, 0, 0};

}  // namespace

void DrawSourcesMarks(Picture& picture, const GradientView& view,
                      const std::vector<FigureSource>& sources, bool letters) {
  for (const FigureSource& source : sources) {
    DrawShadowLine(picture, view, source.aim, source.colour, true);
    DrawSourceMark(picture, view, source.aim, source.colour, letters);
  }
}

void DrawIsophotesThrough(Picture& picture, const GradientView& view, const RenderState& lastPass,
                          const std::vector<FigureSource>& sources, Gradient through,
                          bool outlinedCrossings) {
  for (const FigureSource& source : sources) {
    const float phi = SourcePhiField(lastPass, source.aim).FunctionPhi(through);
    DrawIsophote(picture, view, lastPass, source.aim, phi, source.colour);
  }
  if (sources.size() < 2) return;
  const std::vector<Gradient> crossings = IsophoteCrossings(
      lastPass, sources[0].aim, sources[1].aim, through, view, picture.Width(), picture.Height());
  DrawCrossingMarks(picture, view, crossings, kCrossingColour, kCrossingMarkRadius);
  if (outlinedCrossings) {
    DrawCrossingMarks(picture, view, crossings, kCrossingOutline, kCrossingMarkRadius + 1.0);
  }
  if (sources.size() < 3) return;
  DrawCrossingMarks(picture, view,
                    CrossingsSharedBy(lastPass, sources[2].aim, through, crossings, view),
                    kSharedCrossingColour, kSharedCrossingMarkRadius);
}
