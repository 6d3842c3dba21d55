#pragma once
// What the headless renderer paints: the inputs of one press of the shade button on a fresh
// window, the picture size and the output file, or instead the readout of one pixel; the sphere
// or the gradient-space map.
//
// The angle and glossy texts are kept as typed: the shade command reads them (and reports a bad
// one) exactly as it reads the window's boxes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gradient/light_sources.h"
#include "intake/parameter_intake.h"
#include "model/picture.h"
#include "model/render_state.h"
#include "model/startup_values.h"
#include "overlay/overlay_marks.h"
#include "photometry/gradient_space.h"
#include "render_mode.h"
#include "setup/setup.h"

// The raster formats, then the vector figures (the pass's raster as an image, the figure drawn
// over it as vectors).
enum class PictureFormat { kPpm, kPng, kBmp, kSvg, kPdf };

// A picture pixel, origin top-left, y downwards (as in the written file).
struct PixelPosition {
  int x = 0;
  int y = 0;
};

// --surface: the image of a surface instead of the sphere (surface_options.h).
struct SurfaceJob {
  std::string name;  // a catalogue name, or an elevation model's file
  // --surface-param NAME=VALUE as given, in order; resolved against the kind's parameters.
  std::vector<std::string> parameterTexts;
  std::vector<double> parameters;  // the kind's values once resolved
  int width = 0;                   // --surface-size; 0: the catalogue's default side
  int height = 0;
  double heightScale = 1.0;  // --height-scale K: z times K
  std::string albedoPath;    // --albedo FILE: a greyscale image, stretched to the surface
  bool castShadows = false;  // --cast-shadows
  int source = 1;            // --source K: whose image is written (1 the described source)
};

// --profile X0,Y0:X1,Y1: picture pixels, as --readout counts them; or --profile equator.
struct ProfileLine {
  PixelPosition from;
  PixelPosition to;
  bool equator = false;  // along the sphere's photometric equator (curves/photometric_equator.h)
};

// What a curve is written as, by the output's extension.
enum class CurveFormat { kCsv, kPng, kSvg };

// --sweep NAME=FROM:TO:FRAMES (sweep_tool.h).
struct Sweep {
  std::string name;
  double from = 0.0;
  double to = 0.0;
  int frames = 0;
};

// --recover (recover_tool.h).
struct RecoverJob {
  std::string method;              // ps, ps-law, sfs-tsai-shah, sfs-horn, sfs-fmm
  std::string integrator = "dct";  // fc, dct, poisson
  double noise = 0.0;              // grey levels of 1/255
  int bits = 0;                    // 0, 8 or 16
  bool cameraGiven = false;        // --noise or --quantise given (they need --surface)
  std::string imagesFolder;        // --images DIR: photographs instead of a --surface
  std::string heightOut;
  std::string normalsOut;
  std::string albedoOut;
  // --error-out: the angular error's map with its colour bar (.png); --error-scale: the bar's top
  // in degrees, or none for the automatic round top.
  std::string errorOut;
  std::optional<double> errorScale;
};

struct RenderJob {
  // What the run produces and of what, decided once from the options given (mode_table.h).
  Mode mode = Mode::kPicture;
  Scene scene = Scene::kSphere;
  // The options given on the command line, without dashes, in the order of the usage text.
  std::vector<std::string> givenOptions;
  ShadeInputs inputs;  // rotations, slant and glossy texts; the window's start-up texts by default
  int32_t reflectanceKind = kMatte;
  // Replace the start-up isoline arrays when given; index 0 is the top legend row.
  std::optional<std::array<float, kIsoBandCount>> isoLevel;
  std::optional<std::array<float, kIsoBandCount>> isoHalfWidth;
  bool colourIsolines = true;        // --grey turns them off
  bool halfSphere = true;            // --whole-sphere turns it off
  bool smooth = false;               // --smooth: 2x2 sub-pixel smoothing
  double exposure = 1.0;             // --exposure K: the grey tone from K times phi
  bool autoExposure = false;         // --exposure auto: K paints the brightest phi white
  Rgb background{255, 255, 255};     // --background: the colour the picture is cleared in
  int width = kDefaultPictureWidth;  // times scale unless --size is given (sizeGiven)
  int height = kDefaultPictureHeight;
  bool sizeGiven = false;
  // --scale K: the sphere's radius 100 K pixels (pixelScale divided by K), the map 50 K pixels a
  // unit, the default size K times the window's.
  int scale = 1;
  int threads = 0;  // --threads N; 0: the CPUs the process may run on
  // "-" is stdout; with a readout it may be empty, and is checked but never written.
  std::string outputPath;
  // The extension's format, or --format's when given (formatGiven); PPM for "-" by default.
  PictureFormat format = PictureFormat::kPpm;
  bool formatGiven = false;
  std::optional<PixelPosition> readout;  // --readout X,Y: print this pixel's readout line
  bool gradientSpace = false;            // --gradient-space: the map R(p, q) instead of the sphere
  // The options given that the scene ignores with a warning (the rotations and --whole-sphere of
  // the map or a surface's image), in the order of the usage text.
  std::vector<std::string> ignoredOptions;
  // --s and --n as given while the function does not need them (only the glossy one does).
  std::vector<std::string> ignoredGlossOptions;
  // The additional laws (law_options.h): each --param as typed ("NAME=VALUE", in order), the
  // --formula text, and the settings ResolveLaw makes of them for reflectanceKind 5 and up.
  std::vector<std::string> lawParameterTexts;
  std::optional<std::string> formulaText;
  LawSettings law;
  // The map's figure (figure_options.h): the sources beside the described one (--light, in
  // order), the orientation whose isophotes and crossings are drawn (--through), the hatch of
  // what every source lights (--lit-by-all), and the marks S and shadow line (--marks, or any of
  // the others).
  std::vector<LightAim> extraSources;
  std::optional<Gradient> through;
  bool litByAll = false;
  bool marks = false;
  // What is drawn over the picture besides: --outline and --source-mark (the sphere only),
  // --contour-lines (the bands as lines, sphere or map) and --line-width.
  OverlayChoice overlay;
  std::optional<SurfaceJob> surface;
  // Curves instead of a picture (curve_options.h): the phase curve of the law (--phase-curve,
  // --phase-step DEG, --phase-max DEG), or phi along a line of the picture (--profile); written as
  // CSV, PNG or SVG.
  bool phaseCurve = false;
  double phaseStep = 1.0;
  double phaseMax = 180.0;  // --phase-max DEG: the curve from 0 to DEG, 1 to 180
  // With the phase curve (observed_curve_tool.h): the law's albedos printed (--albedos), its albedo
  // on its physical scale (--law-albedo), observed points (--observations FILE) and the names
  // fitted to them (--fit).
  bool albedos = false;  // --albedos: print p, q and A
  std::optional<double> lawAlbedo;
  std::string observationsPath;
  std::vector<std::string> fitNames;
  std::optional<ProfileLine> profile;
  CurveFormat curveFormat = CurveFormat::kCsv;
  // --compare LAW[:NAME=VALUE...],...: the entries as given, one sphere each (compare_tool.h).
  std::vector<std::string> compare;
  std::optional<Sweep> sweep;
  std::optional<RecoverJob> recover;
  int frameDelay = 10;           // --frame-delay: hundredths of a second a GIF frame is shown
  bool listSurfaces = false;     // --list-surfaces: print the catalogue instead
  std::string ballLightsFolder;  // --ball-lights: print the lights of these photographs instead
  bool plain = false;            // --plain: the grey tone alone (photometry/pass_constants.h)
  bool legend = false;           // --legend: the levels' legend beside the picture
  // --setup: the setup the job started from (setup_options.h); --write-setup's file.
  std::optional<Setup> setup;
  std::string setupWarning;  // the keys of a newer version the setup left out, or empty
  std::string writeSetupPath;
};

inline constexpr int kMaxPictureSide = 10000;  // refuses sizes no one means to allocate
inline constexpr int kMaxScale = 16;
inline constexpr int kMaxThreads = 256;
