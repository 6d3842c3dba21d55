#pragma once
// A setup: everything a lecture needs to open the program as it was left, saved as one small
// text file (setup_file.h) and read back by the window and the renderer alike. The struct is
// plain data; a fresh window's setup is the one built by default.
//
//   window's controls -> Setup -> WriteSetup -> file -> ReadSetup -> Setup -> window's controls
//
// Angles are in degrees, as the boxes take them; 32-bit values (the legend) are floats, so that
// a setup read back gives the very values that were saved.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "gradient/light_sources.h"
#include "model/render_state.h"
#include "model/startup_values.h"

// The main window: the six parameter boxes, the function, the legend and the three switches.
struct SphereSetup {
  double rotX = 30.0;
  double rotY = 0.0;
  double rotZ = 0.0;
  double slant = 0.0;
  int32_t reflectanceKind = kMatte;  // 1 to 13, written by name
  double glossS = 0.5;
  double glossN = 16.0;
  std::array<float, kIsoBandCount> isoLevel{0.9F, 0.8F, 0.7F, 0.6F, 0.5F, 0.4F, 0.3F};
  std::array<float, kIsoBandCount> isoHalfWidth{0.005F, 0.005F, 0.005F, 0.005F,
                                                0.005F, 0.005F, 0.005F};
  bool colourIsolines = true;
  bool halfSphere = true;
  bool smoothing = false;

  bool operator==(const SphereSetup&) const = default;
};

// The typed formula: its text and its parameters, in the order the formula names them.
struct FormulaParameterSetup {
  std::string name;
  double value = 0.0;

  bool operator==(const FormulaParameterSetup&) const = default;
};

struct FormulaSetup {
  std::string text;  // empty: no formula applied
  std::vector<FormulaParameterSetup> parameters;

  bool operator==(const FormulaSetup&) const = default;
};

// The chosen additional law's parameters (in its catalogue's order) and the typed formula.
struct LawSetup {
  std::array<double, kMaxLawParameters> parameters{};
  bool lunarLambertMcEwen = false;
  FormulaSetup formula;

  bool operator==(const LawSetup&) const = default;
};

// One of the map's extra sources (2 to 8): used or not, and where it is aimed.
struct SourceSetup {
  bool used = false;
  double slant = 30.0;
  double tilt = 0.0;

  bool operator==(const SourceSetup&) const = default;
};

// The map always holds sources 2 and 3 (a setup lists both, used or not); sources 4 to 8 are
// added one by one, and a setup lists those the map holds.
inline constexpr int kFixedExtraSources = 2;

// Where extra source `index` (0 for source 2) is aimed when it first appears: the first six 30
// degrees from the view axis, a sixth of a turn apart; the last two steeper, across them.
inline constexpr std::array<SourceSetup, kMaxExtraSources> kStartExtraSources{{
    {false, 30.0, 120.0},
    {false, 30.0, 240.0},
    {false, 30.0, 60.0},
    {false, 30.0, 180.0},
    {false, 30.0, 300.0},
    {false, 50.0, 90.0},
    {false, 50.0, 270.0},
}};

// The picture: exposure, background and what is drawn over it.
struct PictureSetup {
  double exposure = 1.0;
  // The exposure chosen after the first pass as «По максимуму» chooses it (the brightest phi
  // painted white); `exposure` is kept beside it as read, for a setup written again.
  bool autoExposure = false;
  std::string background = "white";  // a name of model/backgrounds.h
  bool contourLines = false;
  bool outline = false;
  bool sourceMark = false;
  int lineWidth = 1;

  bool operator==(const PictureSetup&) const = default;
};

// The map's window: its extra sources, the hatch and its zoom about a centre in gradient space.
struct MapSetup {
  std::vector<SourceSetup> sources{kStartExtraSources[0], kStartExtraSources[1]};
  bool litByAll = false;
  double zoom = 1.0;
  double centreP = 0.0;
  double centreQ = 0.0;

  bool operator==(const MapSetup&) const = default;
};

// «Поверхность»: a catalogue surface (by name) with its parameters, or an elevation model's file.
struct SurfaceSetup {
  std::string kind = "hemisphere";
  std::vector<double> parameters;  // one for each of the kind's, in its catalogue's order
  int width = 256;
  int height = 256;
  double heightScale = 1.0;
  bool castShadows = false;
  std::string albedoPath;     // empty: none
  std::string elevationPath;  // non-empty: this model is the surface shown

  bool operator==(const SurfaceSetup&) const = default;
};

// The surface a fresh window holds: the first kind of the catalogue at its start values.
SurfaceSetup StartSurfaceSetup();

struct WindowPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowPlace&) const = default;
};

// The windows whose places a setup keeps.
inline constexpr const char* kWindowPlaceKeys[] = {
    "main", "map", "surface", "law", "exposure", "bigSphere", "phaseCurve", "compare", "profile"};
inline constexpr int kPlaceCoordinateLimit = 100000;
inline constexpr int kMinPlaceSide = 50;
inline constexpr int kMaxPlaceSide = 20000;

// Which windows are open beside the main one.
struct WindowsSetup {
  bool map = false;
  bool sources = false;
  bool surface = false;
  bool law = false;
  bool exposure = false;
  bool bigSphere = false;
  bool phaseCurve = false;
  bool compare = false;
  // Where each window was, by its key ("main", "map", "phaseCurve", ...; kWindowPlaceKeys): its
  // client area in screen pixels. Empty in a setup written before windows kept their places.
  std::map<std::string, WindowPlace> places;

  bool operator==(const WindowsSetup&) const = default;
};

// «Профиль»: the picture its line was drawn on and the line's ends, in the picture's logical
// pixels (none for the photometric equator, which the view itself places).
inline constexpr const char* kSphereProfile = "sphere";
inline constexpr const char* kEquatorProfile = "equator";
inline constexpr const char* kMapProfile = "map";

struct ProfileSetup {
  std::string picture;           // "sphere", "equator" or "map"; empty: no profile open
  std::array<double, 4> line{};  // x1, y1, x2, y2

  bool operator==(const ProfileSetup&) const = default;
};

// The largest albedo a setup's phase curve window takes: a normal albedo may pass 1, but not by
// orders of magnitude.
inline constexpr double kMaxLawAlbedo = 1000.0;

// The curve windows' own settings.
struct CurvesSetup {
  bool magnitudes = false;       // «Фазовая кривая» in magnitudes
  bool opposition = false;       // «Фазовая кривая» drawn from 0 to 10 degrees
  double lawAlbedo = 1.0;        // its albedo box, on the law's scale (Lambert's at most 1)
  std::string observationsPath;  // the observed points it opened; empty: none
  ProfileSetup profile;

  bool operator==(const CurvesSetup&) const = default;
};

struct Setup {
  SphereSetup sphere;
  LawSetup law;
  PictureSetup picture;
  MapSetup map;
  SurfaceSetup surface;
  WindowsSetup windows;
  CurvesSetup curves;

  bool operator==(const Setup&) const = default;
};
