#pragma once
// What is drawn over a sphere picture or a map besides the map's figure, as chosen (the window's
// «Вид», the renderer's options), and where it lies for one pass: the contour lines of the seven
// legend levels, the outline of the disc and the light source's point on the sphere.
//
//   last pass + choice -> phi grid -> contours of each level; outline; source point

#include <array>
#include <optional>
#include <vector>

#include "gradient/gradient_view.h"
#include "model/render_state.h"
#include "overlay/marching_squares.h"

inline constexpr int kMinLineWidth = 1;
inline constexpr int kMaxLineWidth = 4;

struct OverlayChoice {
  bool outline = false;       // the disc's outline (the sphere)
  bool sourceMark = false;    // the sun mark where the source's direction meets the sphere
  bool contourLines = false;  // the legend's levels as lines instead of tinted bands
  // How many times its own width each line is drawn, for a projector: contour lines, the
  // outline, isophotes, rings and shadow lines.
  int lineWidth = kMinLineWidth;

  bool operator==(const OverlayChoice&) const = default;
};

// The contour lines of each legend level, index 0 the top row; none for a level that is not
// finite.
using LevelContours = std::array<std::vector<ContourLine>, kIsoBandCount>;

struct SphereOverlay {
  LevelContours contours;
  std::vector<ContourLine> outline;
  std::optional<PixelPoint> source;
};

// The lines of each of `levels` through `grid`.
LevelContours ContoursOfLevels(const SampleGrid& grid,
                               const std::array<float, kIsoBandCount>& levels);

// What `choice` draws over the width x height sphere picture of `lastPass`.
SphereOverlay FindSphereOverlay(const RenderState& lastPass, int width, int height,
                                const OverlayChoice& choice);

// The contour lines over the width x height map of `lastPass` in `view`; none unless chosen.
LevelContours FindMapContours(const RenderState& lastPass, int width, int height,
                              const GradientView& view, const OverlayChoice& choice);
