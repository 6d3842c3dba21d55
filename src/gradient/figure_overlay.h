#pragma once
// The marks of the map's figure for a set of sources, in the order the window's layers and the
// renderer's map both draw them:
//   source marks: each source's dashed shadow line and the ring at its point S;
//   isophotes: each source's isophote through an orientation; with two sources or more rings at
//              the crossings of the first two, and with three larger red rings at the crossings
//              all three share.
// Each source has its own colour: a source of the window's panel keeps its number's colour
// whichever others are used.

#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/picture.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"

struct FigureSource {
  LightAim aim;
  Rgb colour;
};

// With `letters`, a 5 x 7 S beside each ring, for a picture that has no font of its own.
void DrawSourcesMarks(Picture& picture, const GradientView& view,
                      const std::vector<FigureSource>& sources, bool letters);

// With `outlinedCrossings`, each crossing's white ring lies within a black one, so that it shows
// on the bright parts of the map as well.
void DrawIsophotesThrough(Picture& picture, const GradientView& view, const RenderState& lastPass,
                          const std::vector<FigureSource>& sources, Gradient through,
                          bool outlinedCrossings);
