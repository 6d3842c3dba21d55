#pragma once
// Two approximations of Chandrasekhar's H-function for isotropic scatterers of single-scattering
// albedo w, gamma = sqrt(1 - w):
//   1981: H(x) = (1 + 2x) / (1 + 2 gamma x), within about 4% (HapkeH, additional_laws.h);
//   2002: H(x) = 1 / (1 - w x [r0 + (1 - 2 r0 x) / 2 ln((1 + x) / x)]), r0 = (1 - gamma) /
//         (1 + gamma), within about 1% (B. Hapke, Bidirectional reflectance spectroscopy. 5. The
//         coherent backscatter opposition effect and anisotropic scattering, Icarus 157,
//         523-534, 2002, eq. 13).

// The year of the approximation a law's "Hyear" parameter names.
inline constexpr double kHapkeH1981 = 1981.0;
inline constexpr double kHapkeH2002 = 2002.0;

// r0 = (1 - gamma) / (1 + gamma), the diffusive reflectance.
double DiffusiveReflectance(double w);

// The 2002 approximation for x >= 0; 1 at x = 0, where x ln((1 + x) / x) vanishes.
double HapkeH2002(double x, double w, double r0);
