#pragma once
// Turning a sample's phi into colour: the grey tone, the isoline bands (a uniform lift in grey,
// a band-specific tint in colour), the self-shadow zone, the shadow fringe and deep shadow. A
// sample either sets the colour sums (subSample 0 or 1) or adds to them (subSample 2 to 4);
// with subSample 0 the shader then paints the sums itself.

#include <array>
#include <cstdint>
#include <optional>

#include "model/picture.h"
#include "model/render_state.h"
#include "photometry/pass_constants.h"

enum class IsolineStyle { kGreyLift, kColourTint };

inline constexpr Rgb kIsoBandLift{140, 140, 140};
inline constexpr std::array<Rgb, kIsoBandCount> kIsoBandTint{{
    {40, 0, 0},
    {40, 20, 0},
    {37, 40, 0},
    {0, 40, 0},
    {0, 30, 40},
    {0, 0, 40},
    {25, 0, 40},
}};
inline constexpr Rgb kSelfShadowZone{96, 0, 52};
inline constexpr Rgb kShadowFringe{175, 0, 91};
inline constexpr Rgb kDeepShadow{0, 0, 0};

// phi * 255 rounded half to even; phi is in [0, 1].
int32_t GreyLevel(float phi);

// The first band k (in index order) with bandLo[k] <= phi <= bandHi[k], if any.
std::optional<int> FindIsoBand(float phi, const PassConstants& pass);

// Where phi falls among the zones that colour it: the plain grey tone, an isoline band (the first
// in legend order), the self-shadow zone (lit, but at most isoHalfWidth(6)), the shadow fringe
// (negative, down to -isoHalfWidth(0)) or deep shadow (below, or a NaN phi).
enum class PhiZoneKind { kTone, kBand, kSelfShadow, kFringe, kDeepShadow };
struct PhiZone {
  PhiZoneKind kind = PhiZoneKind::kTone;
  int band = -1;  // the band's index for kBand
  bool operator==(const PhiZone&) const = default;
};
PhiZone ZoneOfPhi(float phi, const PassConstants& pass);

// The value the grey tone is formed from under an exposure k: k times the function's phi, stored
// as a 32-bit float and bounded above by 1 as phi is.
float ExposedTone(float functionPhi, double exposure);

// Colours a surface sample into state.sumR/G/B according to state.subSample: its zone from phi,
// its grey tone from `tone` (phi itself unless an exposure is set). A NaN phi is painted as deep
// shadow.
void ColourSample(float phi, float tone, IsolineStyle style, const PassConstants& pass,
                  RenderState& state);
inline void ColourSample(float phi, IsolineStyle style, const PassConstants& pass,
                         RenderState& state) {
  ColourSample(phi, phi, style, pass, state);
}

// A sample that misses the sphere: nothing with subSample 0, the background colour added with
// subSample 1 to 4.
void AddBackgroundSample(RenderState& state);

// Limits each sum to 255 from above, in the state, and returns the limited sums.
Rgb LimitSums(RenderState& state);

// With subSample 0: limits each sum to 255 and paints it at column px, row height - py.
void PaintSample(RenderState& state, Picture& picture);
