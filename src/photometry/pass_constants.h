#pragma once
// What is the same for every sample of a pass, taken once from the RenderState after the shade
// command has read its inputs: the sines and cosines of the rotations, how the view's lines of
// sight are intersected, the cosine of the slant, the squared length of the source vector, the
// isoline band bounds, the mirror constants and the speed shortcuts' values.
// Every value here is formed exactly as the per-sample formulas would form it, so shading with
// a PassConstants is bit-identical to recomputing it for each sample.

#include <array>

#include "model/render_state.h"
#include "photometry/speed_shortcuts.h"

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

struct PassConstants {
  bool noRotation = true;         // rotX, rotY and rotZ all exactly 0: the rotation step is skipped
  double sinX = 0.0, cosX = 1.0;  // of rotX, in double of the 32-bit angle
  double sinY = 0.0, cosY = 1.0;  // of rotY
  double sinZ = 0.0, cosZ = 1.0;  // of rotZ
  float lineDepth = 0.0F;         // 10 * pixelScale: the y of the unrotated lineStart
  // The y component of the viewing direction (0, -1, 0) turned by the three rotations, in double
  // and unrounded: how well the y coordinate parametrises every line of sight of the view.
  double viewDepth = -1.0;
  IntersectionForm form;
  double cosSlant = 1.0;                      // cos(sourceSlant), the glossy function's cos(angleG)
  double sourceLengthSquared = 0.0;           // sourceY^2 + sourceX^2 + sourceZ^2
  std::array<float, kIsoBandCount> bandLo{};  // isoLevel(k) - isoHalfWidth(k), rounded to float
  std::array<float, kIsoBandCount> bandHi{};  // isoLevel(k) + isoHalfWidth(k), rounded to float
  float selfShadowTop = 0.0F;      // isoHalfWidth(6): top of the self-shadow zone and of the fringe
  float fringeBottom = 0.0F;       // -isoHalfWidth(0): bottom of the shadow fringe
  float mirrorMissValue = 0.0F;    // isoHalfWidth(6) + 0.001: phi where the mirror condition fails
  double mirrorSlantMargin = 0.0;  // 0.04 * (1 - angleG * 1.98 / pi), the colour mirror's margin
  SpeedShortcuts shortcuts;        // tests that skip formulas without changing a result
};

// Views whose |viewDepth| lies below this are intersected off the y parametrisation. The
// stand-ins for typed right angles (|viewDepth| about 0.0026 about Ox, 0.007 about Oz) stay above.
inline constexpr double kWellConditionedViewDepth = 0.0025;

PassConstants MakePassConstants(const RenderState& state);
