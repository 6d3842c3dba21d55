#pragma once
// Hapke's (1984) correction for macroscopic roughness: a surface whose unresolved facets tilt by
// a mean slope theta-bar, seen and lit as a smooth one with effective cosines mu0e and mue,
// times the shadowing function S(i, e, psi). psi, the azimuth between the planes of incidence
// and emission, comes from the phase angle: cos g = mu0 mu + sin i sin e cos psi.
//
//   theta-bar -> RoughnessConstants, once a pass
//   mu0, mu, cos g, RoughnessConstants -> RoughSurface (mu0e, mue, S), per sample

struct RoughnessConstants {
  double tanTheta = 0.0;  // 0: a smooth surface, the cosines left as they are and S = 1
  double cotTheta = 0.0;
  double chi = 1.0;  // 1 / sqrt(1 + pi tan^2 theta-bar)
};

struct EffectiveCosines {
  double mu0e = 0.0;
  double mue = 0.0;
  double shadowing = 1.0;  // S(i, e, psi)
};

RoughnessConstants MakeRoughness(double thetaBarDegrees);

// For mu0 > 0 and mu > 0; elsewhere, and for a smooth surface, the cosines themselves and S = 1.
EffectiveCosines RoughSurface(double mu0, double mu, double cosG, const RoughnessConstants& rough);
