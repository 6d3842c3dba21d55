#pragma once
// What one run of the headless renderer produces (its mode) and of what (its scene), and the sets
// of both that an option applies to. The mode is decided once from the parsed options
// (mode_table.h); each option names the (mode, scene) pairs it applies to, and those where it is
// ignored with a warning (render_option_table.h).

#include <cstdint>
#include <initializer_list>

// In the order of precedence: the first whose option is given is the run's mode.
enum class Mode : uint8_t {
  kListSurfaces,         // --list-surfaces: the catalogue
  kBallLights,           // --ball-lights: the lights found from photographs of a mirror ball
  kRecovery,             // --recover: a report (and the --*-out files)
  kSweep,                // --sweep: a GIF or numbered PNG files
  kComparedPhaseCurves,  // --compare with --phase-curve: one plot or table of the laws' curves
  kComparedProfiles,     // --compare with --profile
  kPhaseCurve,           // --phase-curve
  kProfile,              // --profile
  kCompare,              // --compare: a row of pictures
  kReadout,              // --readout: one line
  kSetupOnly,            // --write-setup without -o: the setup file alone
  kPicture,              // -o: the picture
};
inline constexpr int kModeCount = 12;

// What is painted: the sphere, the gradient-space map (--gradient-space), a surface's image
// (--surface) or the photographs of --images.
enum class Scene : uint8_t { kSphere, kMap, kSurface, kPhotos };
inline constexpr int kSceneCount = 4;

// A set of (mode, scene) pairs, one bit each.
using ModeSet = uint64_t;

constexpr ModeSet PairBit(Mode mode, Scene scene) {
  return ModeSet{1} << (static_cast<int>(mode) * kSceneCount + static_cast<int>(scene));
}

// Every pair of the given modes with the given scenes.
constexpr ModeSet In(std::initializer_list<Mode> modes, std::initializer_list<Scene> scenes) {
  ModeSet set = 0;
  for (const Mode mode : modes) {
    for (const Scene scene : scenes) set |= PairBit(mode, scene);
  }
  return set;
}
