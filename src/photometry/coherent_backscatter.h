#pragma once
// The coherent backscatter opposition term of B. Hapke, Bidirectional reflectance spectroscopy.
// 5. The coherent backscatter opposition effect and anisotropic scattering, Icarus 157, 523-534
// (2002), its section on the coherent backscatter peak (a multiplier of the whole reflectance):
//   1 + B_C0 B_C(g),  B_C(g) = [1 + (1 - exp(-z)) / z] / [2 (1 + z)^2],  z = tan(g / 2) / h_C,
// with B_C(0) = 1: the peak's height is B_C0, its half width about h_C radians.

// B_C0 B_C(g) for g in radians, 0 to pi, and h_C > 0; B_C0 at g = 0.
double CoherentBackscatter(double angleG, double amplitude, double width);
