#include "gradient/isophotes_through.h"

#include "gradient/isophote_crossings.h"
#include "gradient/isophotes.h"
#include "gradient/source_phi.h"

IsophotesThrough FindIsophotesThrough(const RenderState& lastPass,
                                      const std::vector<LightAim>& sources, Gradient through,
                                      const GradientView& view, int width, int height) {
  IsophotesThrough marks;
  for (const LightAim& source : sources) {
    const float phi = SourcePhiField(lastPass, source).FunctionPhi(through);
    marks.isophotes.push_back(IsophotePixels(view, width, height, lastPass, source, phi));
  }
  if (sources.size() < 2) return marks;
  marks.crossings =
      IsophoteCrossings(lastPass, sources[0], sources[1], through, view, width, height);
  if (sources.size() < 3) return marks;
  // Each further source keeps only the crossings its isophote passes through as well.
  marks.shared = marks.crossings;
  for (size_t k = 2; k < sources.size() && !marks.shared.empty(); ++k) {
    marks.shared = CrossingsSharedBy(lastPass, sources[k], through, marks.shared, view);
  }
  return marks;
}
