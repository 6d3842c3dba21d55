#pragma once
// The model: the vocabulary every other module shares, depending on nothing.
//   render_state.h    the RenderState (this file)
//   picture.h         the picture a pass paints into; image_buffer.h holds one in memory
//   angles.h          the program's pi and degrees-to-radians
//   startup_values.h  the start-up state, texts and picture size
//
// The RenderState: the window-level variables through which the window's handlers, the shade
// command, the raster pass and the two shaders hand values to one another. Every field is zero on
// construction; ApplyStartupValues gives the fields that start-up sets their first values.
//
// Float discipline: a `float` field is a stored 32-bit value, a `double` field a 64-bit one.

#include <array>
#include <cstdint>

#include "model/law_settings.h"

inline constexpr int kIsoBandCount = 7;

struct RenderState {
  float px = 0.0F;           // current pixel column
  float py = 0.0F;           // current pixel row, counted upwards from the bottom edge
  float rotX = 0.0F;         // observer rotation about Ox, radians
  float rotY = 0.0F;         // observer rotation about Oy, radians
  float rotZ = 0.0F;         // observer rotation about Oz, radians
  float sourceSlant = 0.0F;  // light-source slant, radians
  float sourceX = 0.0F;      // unit vector towards the source: (0, sin slant, cos slant)
  float sourceY = 0.0F;
  float sourceZ = 0.0F;
  float dx = 0.0F;        // sample offset from the picture centre, pixels
  float dy = 0.0F;        // grows upwards
  int32_t subSample = 0;  // 0: no smoothing; 1 to 4: quarter-pixel sample index
  int32_t sumR = 0;       // colour of the sample, or running sums over the pixel's samples
  int32_t sumG = 0;
  int32_t sumB = 0;
  float pixelScale = 0.0F;                      // sphere units per pixel
  int32_t reflectanceKind = 0;                  // 1 matte, 2 glossy, 3 rocky, 4 mirror, 5+
  double glossS = 0.0;                          // glossy weight s
  double glossN = 0.0;                          // glossy exponent n
  std::array<float, kIsoBandCount> isoLevel{};  // element 0 is the top legend row
  std::array<float, kIsoBandCount> isoHalfWidth{};
  int32_t backgroundR = 0;
  int32_t backgroundG = 0;
  int32_t backgroundB = 0;
  int16_t showIsolines = 0;      // 1: colour isolines (ShadeColourPixel), 0: grey tones
  int16_t halfSphere = 0;        // 1: only the half z >= 0 of the sphere exists
  float mirrorTolerance = 0.0F;  // radians; chosen only by a mirror pass
  // Beyond the described fields: the additional laws' parameters (reflectanceKind 5 to 13).
  LawSettings law;
  // The exposure k: the grey tone is formed from k times the function's phi, then bounded as phi
  // is; the bands, zones and readout keep phi itself. At 1 the described tone, bit for bit.
  double exposure = 1.0;
  // 1: the isoline bands are drawn as contour lines over the picture, so the pass leaves out
  // their lift or tint; a band's samples keep the grey tone. Zones and the readout are unchanged.
  int16_t bandsAsLines = 0;

  bool operator==(const RenderState&) const = default;
};

enum ReflectanceKind : int32_t {
  kMatte = 1,
  kGlossy = 2,
  kRocky = 3,
  kMirror = 4,
  // The additional laws, evaluated in 64-bit and stored as the 32-bit phi (law_catalogue.h).
  kMinnaert = 5,
  kLommelSeeliger = 6,
  kLunarLambert = 7,
  kOrenNayar = 8,
  kHapke = 9,
  kBlinnPhong = 10,
  kCookTorrance = 11,
  kFormula = 12,
  kHapkeRough = 13,  // after the formula's kind, which setups already hold as 12
};
