#pragma once
// What is the same for every sample of a pass, taken once from the RenderState after the shade
// command has read its inputs: the sines and cosines of the rotations, the cosine of the slant,
// the squared length of the source vector, the isoline band bounds and the mirror constants.
// Every value here is formed exactly as the per-sample formulas would form it, so shading with
// a PassConstants is bit-identical to recomputing it for each sample.

#include <array>

#include "model/render_state.h"

struct PassConstants {
  bool noRotation = true;         // rotX, rotY and rotZ all exactly 0: the rotation step is skipped
  double sinX = 0.0, cosX = 1.0;  // of rotX, in double of the 32-bit angle
  double sinY = 0.0, cosY = 1.0;  // of rotY
  double sinZ = 0.0, cosZ = 1.0;  // of rotZ
  float lineDepth = 0.0F;         // 10 * pixelScale: the y of the unrotated lineStart
  // A sample whose unrotated offset (dx*k, dy*k) lies farther than this (squared) from the
  // centre misses the sphere with a wide margin, since the rotations keep the line's distance
  // from the centre. Infinite when the view is turned so far from y that the roundings of the
  // intersection could still report a hit there: such samples take the full computation.
  double sureMissRadiusSquared = 0.0;
  // The z of a point (x, y, z) after the rotations is zFromX*x + zFromY*y + zFromZ*z. Set only
  // for well-conditioned views (see sureMissRadiusSquared); elsewhere the test is off.
  bool sureBelowEquatorTest = false;
  double zFromX = 0.0, zFromY = 0.0, zFromZ = 1.0;
  double cosSlant = 1.0;                      // cos(sourceSlant), the glossy function's cos(angleG)
  double sourceLengthSquared = 0.0;           // sourceY^2 + sourceX^2 + sourceZ^2
  std::array<float, kIsoBandCount> bandLo{};  // isoLevel(k) - isoHalfWidth(k), rounded to float
  std::array<float, kIsoBandCount> bandHi{};  // isoLevel(k) + isoHalfWidth(k), rounded to float
  float selfShadowTop = 0.0F;      // isoHalfWidth(6): top of the self-shadow zone and of the fringe
  float fringeBottom = 0.0F;       // -isoHalfWidth(0): bottom of the shadow fringe
  float mirrorMissValue = 0.0F;    // isoHalfWidth(6) + 0.001: phi where the mirror condition fails
  double mirrorSlantMargin = 0.0;  // 0.04 * (1 - angleG * 1.98 / pi), the colour mirror's margin
  // Both mirror tests fail at a surface point where |cosI| or |cosE| lies below this: the angle
  // there is too wide for i + e to come near g while i and e stay close. 0 rules out nothing.
  double mirrorCosineFloor = 0.0;
};

PassConstants MakePassConstants(const RenderState& state);
