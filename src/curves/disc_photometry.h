#pragma once
// Absolute photometry of a sphere painted by a law: the law on its physical scale (the radiance
// factor I/F), the geometric albedo p (the disc's brightness at g = 0 over that of a white
// Lambert disc of the same size seen face on), the phase integral q = 2 * integral of Phi(g)
// sin g dg and the spherical (Bond) albedo A = p q.
//
// The disc is integrated by Gauss-Legendre rules in photometric coordinates: on the sphere a
// point at longitude L (in the plane of the source and the observer, from the observer) and
// latitude B has mu = cos B cos L and mu0 = cos B cos(L - g); the lit, visible part is
// g - pi/2 < L < pi/2, and its projected area element is mu cos B dB dL. Smooth in both, so a
// few hundred values of phi give the integral to 1e-6, where the phase curve's grid takes a
// hundred thousand.
//
//   state, albedo -> NormalAlbedo (I/F at i = e = g = 0) -> p = that * DiscIntegral(0) / pi
//   DiscIntegral(g) / DiscIntegral(0) = Phi(g) -> q (Gauss-Legendre over g) -> A = p q

#include <cstdint>
#include <optional>

#include "model/render_state.h"

// How a law's physical scale is given. The picture's phi stays 1 at i = e = g = 0; I/F is phi
// times the normal albedo these give.
enum class AlbedoKind {
  kLambert,           // the matte function: I/F = A_L mu0, normal albedo A_L
  kSingleScattering,  // Lommel-Seeliger: I/F = (w/4) mu0 / (mu0 + mu), normal albedo w/8
  kLawParameter,      // Hapke: its own w, I/F = (w/4) mu0 / (mu0 + mu) [ ... ]
  kNormal,            // every other law: the normal albedo itself (I/F at i = e = g = 0)
};

AlbedoKind AlbedoKindOf(int32_t reflectanceKind);

inline constexpr double kStartAlbedo = 1.0;

// I/F at i = e = g = 0 for the state's law with `albedo` as AlbedoKindOf reads it (Hapke's w
// comes from the state and `albedo` is not read).
double NormalAlbedo(const RenderState& state, double albedo);

// The integral of phi over the lit, visible part of the unit disc as seen from +z, the source at
// phase angle g (radians, 0 to pi); NaN values of phi count as 0.
double DiscIntegral(const RenderState& state, double g);

struct DiscPhotometry {
  double geometricAlbedo = 0.0;  // p
  double phaseIntegral = 0.0;    // q
  double sphericalAlbedo = 0.0;  // A = p q
};

// Nothing for the mirror and for a law dark over the whole disc at g = 0.
std::optional<DiscPhotometry> ComputeDiscPhotometry(const RenderState& state, double albedo);
