#pragma once
// What a pass takes once from the observer's three rotations: their sines and cosines, the depth
// of the lines of sight, and how the view's lines are intersected with the sphere. The sphere
// geometry and the speed shortcuts both read it; the pass constants hold it.

#include "model/render_state.h"

// How a pass intersects its lines of sight with the sphere, chosen once for the whole view.
struct IntersectionForm {
  // True: the 32-bit steps that parametrise the line by y. False where the view is so nearly
  // perpendicular to y that those steps lose every digit: the line is solved along its own
  // parameter in double instead.
  bool byDepth = true;
  // Which intersection is hitPlus off the y parametrisation: the one nearer lineStart where the
  // view looks towards -y (or straight across), else the one nearer lineEnd. The larger-y rule
  // continued across the view, one choice for every sample.
  bool plusNearerStart = true;
};

struct ViewConstants {
  bool noRotation = true;         // rotX, rotY and rotZ all exactly 0: the rotation step is skipped
  double sinX = 0.0, cosX = 1.0;  // of rotX, in double of the 32-bit angle
  double sinY = 0.0, cosY = 1.0;  // of rotY
  double sinZ = 0.0, cosZ = 1.0;  // of rotZ
  float lineDepth = 0.0F;         // 10 * pixelScale: the y of the unrotated lineStart
  // The y component of the viewing direction (0, -1, 0) turned by the three rotations, in double
  // and unrounded: how well the y coordinate parametrises every line of sight of the view.
  double viewDepth = -1.0;
  IntersectionForm form;
};

// Views whose |viewDepth| lies below this are intersected off the y parametrisation. The
// stand-ins for typed right angles (|viewDepth| about 0.0026 about Ox, 0.007 about Oz) stay above.
inline constexpr double kWellConditionedViewDepth = 0.0025;

ViewConstants MakeViewConstants(const RenderState& state);
