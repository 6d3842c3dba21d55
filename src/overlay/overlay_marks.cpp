#include "overlay/overlay_marks.h"

#include "overlay/phi_grid.h"
#include "overlay/sphere_marks.h"

LevelContours ContoursOfLevels(const SampleGrid& grid,
                               const std::array<float, kIsoBandCount>& levels) {
  LevelContours contours;
  for (size_t k = 0; k < levels.size(); ++k) contours[k] = TraceContours(grid, levels[k]);
  return contours;
}

SphereOverlay FindSphereOverlay(const RenderState& lastPass, int width, int height,
                                const OverlayChoice& choice) {
  SphereOverlay overlay;
  if (choice.contourLines) {
    overlay.contours = ContoursOfLevels(SpherePhiGrid(lastPass, width, height), lastPass.isoLevel);
  }
  if (choice.outline) overlay.outline = SphereOutline(lastPass, width, height);
  if (choice.sourceMark) overlay.source = SourcePointOnPicture(lastPass, width, height);
  return overlay;
}

LevelContours FindMapContours(const RenderState& lastPass, int width, int height,
                              const GradientView& view, const OverlayChoice& choice) {
  if (!choice.contourLines) return {};
  return ContoursOfLevels(MapPhiGrid(lastPass, width, height, view), lastPass.isoLevel);
}
