#pragma once
// The light source: its direction from the slant, the mirror function's angular tolerance for a
// slant, and the values a pass takes once from them. The shade command aims the source after
// reading the slant; the pass reads the LightConstants with its other constants.
//
//   slant (radians, 32-bit) -> AimLightSource -> sourceX/Y/Z, mirrorTolerance -> LightConstants

#include "model/render_state.h"

// Sets the slant and the unit vector towards the source, (0, sin slant, cos slant), each
// component formed in double and stored as a 32-bit float.
void AimLightSource(RenderState& state, float sourceSlant);

// The mirror function's angular tolerance for a slant in radians (32-bit), by the nine bands.
// A slant between two bands takes the next band up; beyond the last band, its tolerance goes on.
float MirrorToleranceForSlant(float sourceSlant);

// The phase angle g in radians, 0 to pi for any slant: the angle between the direction to the
// source (0, sin slant, cos slant) and the observer's (0, 0, 1).
double PhaseAngle(float sourceSlant);

// What every sample of a pass reads of the source, taken once.
struct LightConstants {
  double cosSlant = 1.0;             // cos(sourceSlant), the glossy function's cos(angleG)
  double sourceLengthSquared = 0.0;  // sourceY^2 + sourceX^2 + sourceZ^2, in that order
  double mirrorSlantMargin = 0.0;    // 0.04 * (1 - angleG * 1.98 / pi), the colour mirror's margin
};

LightConstants MakeLightConstants(const RenderState& state);

// The colour shader's extra margin on g = i + e: 0.04 * (1 - g * 1.98 / pi). It is 0.04 at a
// slant of 0 and turns negative past about 90.9 degrees.
double MirrorSlantMargin(float angleG);
