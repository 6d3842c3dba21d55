#pragma once
// The asteroid magnitude systems: the reduced magnitude V(g) = H - 2.5 log10 Phi(g) at unit
// distances from the Sun and the observer, with Phi(g) of
//   H, G (Bowell et al. 1989, the IAU system): (1 - G) Phi1 + G Phi2,
//        Phi_i = exp(-A_i tan(g/2)^B_i), A1 = 3.33, B1 = 0.63, A2 = 1.87, B2 = 1.22;
//   H, G1, G2 (Muinonen et al. 2010): G1 f1 + G2 f2 + (1 - G1 - G2) f3, the three basis
//        functions cubic splines through published nodes (magnitude_basis.cpp).
// g in radians, 0 to pi. Both are 1 at g = 0.

// Phi of the H, G system.
double HgPhase(double g, double slopeG);
// Phi of the H, G1, G2 system.
double Hg1g2Phase(double g, double g1, double g2);

// H - 2.5 log10 phase; +inf where the phase is not positive.
double ReducedMagnitude(double absoluteH, double phase);

// The H, G1, G2 basis functions f1, f2, f3 at g (radians): f1 and f2 linear below 7.5 degrees,
// f3 zero beyond 30 degrees; f1 and f2 are held at their last node beyond 150 degrees.
double MagnitudeBasis(int index, double g);
