#pragma once
// The four reflectance functions phi(i, e, g) and the upper bound on phi. Each takes the
// cosines and angles of one surface sample and returns phi as a float; phi has no lower bound
// (negative values are the shadow zones) and IEEE special values pass through unchanged.

#include <cstdint>

// Matte: phi = cosI.
inline float MattePhi(float cosI) { return cosI; }

// t = 2 cosI cosE - cos g: the cosine between the observer and the mirror direction of the
// source for this normal.
double GlossyMirrorCos(float cosI, float cosE, double cosG);

// Glossy: (1 - s) cosI plus the lobe t^n (n + 1) s / 2 where t >= 0.
float GlossyPhi(float cosI, float cosE, double cosG, double glossS, double glossN);

// Rocky: cosI / cosE. A zero cosE gives an infinity (or NaN at cosI = 0), never a trap.
inline float RockyPhi(float cosI, float cosE) {
  return static_cast<float>(static_cast<double>(cosI) / cosE);
}

// The mirror conditions, |g - (i + e)| < tolerance and |i - e| < 0.04, each left-hand side
// rounded to a float before the strict comparison.
bool GreyMirrorHolds(float angleI, double angleE, float angleG, float tolerance);

// The colour shader's narrower test: |i - e| < 0.03, and i + e - slantMargin < g as well.
bool ColourMirrorHolds(float angleI, double angleE, float angleG, float tolerance,
                       double slantMargin);

// phi = 1 where the mirror condition holds, mirrorMissValue elsewhere.
inline float MirrorPhi(bool conditionHolds, float mirrorMissValue) {
  return conditionHolds ? 1.0F : mirrorMissValue;
}

// phi above 1 (+inf included) becomes 1.
inline float BoundAbove(float phi) { return phi > 1.0F ? 1.0F : phi; }
