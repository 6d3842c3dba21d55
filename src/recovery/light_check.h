#pragma once
// Whether a set of sources can light a photometric stereo: three or more, no two alike, not all
// in one plane through the origin (then every image is a combination of two, and the normal's
// component across that plane is lost). Checked on the directions before any pixel is solved,
// so that a bad set is a message rather than a singular solve.

#include <optional>
#include <string>
#include <vector>

#include "gradient/light_sources.h"
#include "model/message.h"

enum class LightsFault {
  kTooFew,      // fewer than three sources
  kCoincident,  // two sources with the same direction
  kCoplanar,    // all directions in one plane: the light matrix is (nearly) of rank 2
  kTooLarge,    // not the lights: the recovery would take more memory than recovery_memory.h allows
  kOblique,     // fast marching's shape from shading under a source off the view axis
};

struct LightsError {
  LightsFault fault = LightsFault::kTooFew;
  std::string message;  // Russian
  Message said = {};    // the same message, for the language in use
  // The same fault as the reason of a longer message: lower case, without the final stop (a photo
  // folder's list of directions); empty for kTooLarge.
  Message reason = {};
};

// Two directions closer than this angle (radians) are one source: a full turn of tilt, with the
// program's pi, lands 3e-6 away.
inline constexpr double kCoincidentAngle = 1e-4;
// The light matrix's smallest singular value over its largest below this is coplanar.
inline constexpr double kCoplanarRatio = 1e-3;

std::optional<LightsError> CheckLights(const std::vector<LightAim>& sources);
