#include "render_option_table.h"

#include <array>
#include <optional>
#include <string>

#include "ball_lights_tool.h"
#include "compare_tool.h"
#include "curve_options.h"
#include "error_map_options.h"
#include "figure_options.h"
#include "law_options.h"
#include "law_usage.h"
#include "option_mode_sets.h"
#include "recover_tool.h"
#include "setup_options.h"
#include "surface_options.h"
#include "sweep_tool.h"
#include "usage_language.h"

namespace {

// A text the shade command reads later, as it reads the window's boxes.
ValueHandler StoreText(std::string ShadeInputs::*field) {
  return [field](std::string_view text, RenderJob& job) {
    job.inputs.*field = std::string(text);
    return OptionValueError();
  };
}

ValueHandler StoreBands(const char* option,
                        std::optional<std::array<float, kIsoBandCount>> RenderJob::*field) {
  return [option, field](std::string_view text, RenderJob& job) {
    return ParseBandList(option, text, job.*field);
  };
}

}  // namespace

const std::vector<ValueOption>& ValueOptions() {
  using namespace option_modes;
  // --s and --n: each compared sphere of the glossy function reads them.
  constexpr ModeSet kGlossCompared =
      In({kCompare, kComparedPhaseCurves, kComparedProfiles}, {kSphere, kMap});
  static const std::vector<ValueOption> kOptions = {
      {"rot-x", "TEXT", "Rotation of the observer about Ox, degrees (default 30).",
       StoreText(&ShadeInputs::rotX), kTurned, kSeenFromZ},
      {"rot-y", "TEXT", "Rotation about Oy, degrees (default 0).", StoreText(&ShadeInputs::rotY),
       kTurned, kSeenFromZ},
      {"rot-z", "TEXT", "Rotation about Oz, degrees (default 0).", StoreText(&ShadeInputs::rotZ),
       kTurned, kSeenFromZ},
      {"slant", "TEXT", "Slant of the light source, degrees (default 0).",
       StoreText(&ShadeInputs::slant), kSlant},
      // Their descriptions list the laws of the registry (law_usage.h).
      {"function", "NAME", nullptr, ParseFunction, kLaw, 0, FunctionUsage},
      {"param", "NAME=VALUE", nullptr, StoreLawParameter, kLaw, 0, ParameterUsage},
      {"formula", "TEXT",
       "The formula of --function formula: phi in i, e, g (true angles in radians, 0 to pi), "
       "their cosines ci, ce, cg, pi and its parameters, with sin, cos, tan, asin, acos, atan, "
       "sqrt, exp, ln, log10, abs, min, max and ^; e.g. \"ci^k * ce^(k-1)\" --param k=0.7. One "
       "that does not read is refused with a message (in the --language) naming the position "
       "and the unknown name.",
       StoreFormula, kLaw},
      {"s", "TEXT", "Glossy weight s (default 0.5); other functions ignore it, with a warning.",
       StoreText(&ShadeInputs::glossS), kLaw | kGlossCompared},
      {"n", "TEXT", "Glossy exponent n (default 16); other functions ignore it, with a warning.",
       StoreText(&ShadeInputs::glossN), kLaw | kGlossCompared},
      {"levels", "L0,...,L6", "Seven isoline levels, top legend row first (default 0.9,...,0.3).",
       StoreBands("--levels", &RenderJob::isoLevel), kBands},
      {"half-widths", "H0,...,H6", "Seven isoline half-widths (default 0.005 each).",
       StoreBands("--half-widths", &RenderJob::isoHalfWidth), kBands},
      {"size", "WxH", "Picture size in pixels, 1 to 10000 each (default 393x337 times --scale).",
       ParseSize, kSized},
      {"scale", "K",
       "Magnification, a whole number from 1 to 16 (default 1): the sphere is drawn with a radius "
       "of 100*K pixels and the gradient-space map with 50*K pixels a unit; the default size "
       "grows with it to 393K x 337K.",
       ParseScale, kScaled},
      {"exposure", "K|auto",
       "Exposure of the grey tone, 0.1 to 10 (default 1): the tone is formed from K times phi, "
       "so that a phi above 1 (a bright limb) shows below white at K below 1; the isoline bands, "
       "zones and --readout keep phi itself. auto chooses K so that the brightest finite phi of "
       "the picture is painted white.",
       ParseExposure, kColours},
      {"background", "NAME",
       "white (default), black or grey: the colour the picture is cleared in, off the sphere.",
       ParseBackground,
       In({kPicture, kCompare, kSweep}, {kSphere}) | In({kSetupOnly}, {kSphere, kMap, kSurface})},
      {"line-width", "N",
       "1 to 4 (default 1): contour lines, the outline, isophotes, rings and shadow lines are "
       "drawn N times as wide, for a projector.",
       ParseLineWidth, kDrawnOver | kCurves},
      {"threads", "N",
       "Threads the pass runs on, 1 to 256 (default: the CPUs this process may run on). The "
       "picture is the same for any number.",
       ParseThreads, kEverything},
      {"readout", "X,Y",
       "Instead of writing a picture, print the readout of picture pixel X,Y (0,0 at the top left, "
       "Y downwards) after the pass as one line: \"i=I e=E g=G phi=PHI painted=PAINTED "
       "zone=ZONE point=X,Y,Z\" (angles in degrees, G the phase angle from 0 to 180; PHI the "
       "function's own value, PAINTED the value the colouring used, which the upper bound 1 may "
       "have lowered; inf, -inf or nan where not finite, 1.000e+06 from a million on; ZONE is "
       "band:K, self-shadow, fringe, deep-shadow or tone), with \" p=P q=Q\" added for the "
       "gradient-space map, or \"background\" off the sphere. -o is not needed then; if given, "
       "it is checked as a failed write would be (its folder must exist and be writable), and "
       "nothing is written to it.",
       ParseReadoutPixel, In({kReadout}, {kSphere, kMap, kSurface})},
      {"light", "SLANT,TILT",
       "With --gradient-space: one more light source, SLANT degrees from the view axis and TILT "
       "degrees turned about it (0 is the plane of the described source, --slant), each read as "
       "--slant is (a value too large for it is refused); repeat for up to eight sources in all. "
       "Its S and dashed shadow line are drawn (cyan, magenta, lime, orange, sky blue, violet, "
       "pink in turn; the described source's in yellow), and --readout adds its phi as phi2= "
       "(phi3=, ...).",
       ParseLightSource,
       In({kPicture, kReadout, kProfile, kComparedProfiles, kSweep, kSetupOnly}, {kMap}) |
           In({kPicture, kReadout, kProfile, kRecovery, kSweep, kSetupOnly}, {kSurface})},
      {"through", "P,Q",
       "With --gradient-space: draw each source's isophote (the curve of equal phi) through the "
       "orientation P,Q, and white rings where the first two isophotes cross (the orientations "
       "two images cannot tell apart); with a third source or more, red rings at those every "
       "further isophote shares.",
       ParseThrough, kMapFigure},
      {"surface", "NAME|FILE",
       "Paint the image of a surface z(x, y) instead of the sphere: E = R(p, q) at every pixel, "
       "one pixel a cell, p and q by central differences, the map's phi and colours (see "
       "--list-surfaces for the catalogue), or an elevation model's file. It is seen from +z, so "
       "--rot-x, --rot-y, --rot-z and --whole-sphere are ignored (with a warning).",
       ParseSurface, kSurfaceJob},
      {"surface-size", "WxH", "The catalogue surface's grid, 1 to 4096 each (default 256x256).",
       ParseSurfaceSize, kSurfaceJob},
      {"surface-param", "NAME=VALUE", "A parameter of the catalogue surface; repeat for each.",
       StoreSurfaceParameter, kSurfaceJob},
      {"height-scale", "K", "Vertical exaggeration: the heights times K (default 1).",
       ParseHeightScale, kSurfaceJob},
      {"albedo", "FILE",
       "A greyscale image (stretched to the surface) whose grey 0 to 255 is an albedo 0 to 1: "
       "each pixel's phi is times its albedo.",
       ParseAlbedo, kSurfaceJob},
      {"source", "K",
       "With --surface: write the image under source K, 1 (the described one, default), 2 to 8 "
       "(the --light ones); with --recover sfs-tsai-shah, sfs-horn or sfs-fmm, the image shape "
       "from "
       "shading reads.",
       ParseSourceNumber, In({kPicture, kRecovery, kSweep}, {kSurface})},
      {"phase-step", "DEG",
       "With --phase-curve: the step of the phase angle, 0.1 to 30 degrees (default 1).",
       ParsePhaseStep, In({kPhaseCurve, kComparedPhaseCurves}, {kSphere})},
      {"phase-max", "DEG",
       "With --phase-curve: the curve from 0 to DEG degrees, 1 to 180 (default 180); below 180 "
       "a close look at the opposition surge, with no phase integral.",
       ParsePhaseMax, In({kPhaseCurve}, {kSphere})},
      {"law-albedo", "A",
       "With --albedos or --observations: the law on its physical scale: Lambert's albedo of the "
       "matte function, the single-scattering albedo of lommel-seeliger (its radiance factor "
       "w/4 mu0/(mu0+mu)), for every other function but hapke (whose scale is its --param w) its "
       "radiance factor at i = e = g = 0 (default 1). The picture stays normalised.",
       ParseLawAlbedo, In({kPhaseCurve}, {kSphere})},
      {"observations", "FILE",
       "With --phase-curve: observed points, a CSV file with the header g,brightness or "
       "g,magnitude (reduced magnitude), with ,sigma for each point's standard error, then a row "
       "a point (g in degrees, 0 to 180; brightness on the geometric albedo's scale); lines "
       "starting with # are notes. Drawn with the law on its scale (--law-albedo; for magnitudes "
       "H at the brightest point) in a .png or .svg plot, or -o FILE.csv: g, observed, sigma, "
       "model and residual. A file with a bad line is refused, each bad line named.",
       ParseObservations, In({kPhaseCurve}, {kSphere})},
      {"fit", "NAME,...",
       "With --observations: fit by weighted least squares (Levenberg-Marquardt) the function's "
       "parameters named (as --param names them), with albedo (its scale, for brightness) or H "
       "(for magnitudes); or H,G (the IAU H, G system) or H,G1,G2. Prints each NAME=VALUE +- "
       "uncertainty (from the covariance scaled by the reduced chi-square) and the chi-square; "
       "the CSV's model is the fitted one.",
       ParseFitNames, In({kPhaseCurve}, {kSphere})},
      {"profile", "X0,Y0:X1,Y1|equator",
       "Write phi along the line between two picture pixels (of the sphere, the map or a "
       "surface) instead of the picture: -o FILE.csv (columns x, y, phi, painted and phi2, phi3, "
       "... "
       "with --light on the map or a surface; the values the readout gives at those pixels), or "
       ".png / .svg, a plot. equator instead: along the sphere's photometric equator, a tenth of "
       "a degree apart, against the emission angle e signed towards the source (columns e, x, y, "
       "phi, painted).",
       ParseProfile, In({kProfile, kComparedProfiles}, {kSphere, kMap, kSurface})},
      {"compare", "LAW[:NAME=VALUE...],...",
       "Paint 2 to 6 spheres side by side instead of one, each with its own function and "
       "parameters (e.g. matte,lommel-seeliger,oren-nayar:sigma=40) and everything else as given, "
       "captioned, in one picture of -o's format.",
       ParseCompare, In({kCompare, kComparedPhaseCurves, kComparedProfiles}, {kSphere, kMap})},
      {"sweep", "NAME=FROM:TO:FRAMES",
       "Write an animation instead of one picture: FRAMES pictures (2 to 600) with NAME stepped "
       "evenly from FROM to TO (slant, rot-x, rot-y, rot-z, exposure, or a parameter of the "
       "law as --param names it), as -o FILE.gif (one palette from all frames, looping) or "
       "numbered PNG files -o FILE_%03d.png (frames counted from 0).",
       ParseSweep, In({kSweep}, {kSphere, kMap, kSurface})},
      {"frame-delay", "N",
       "With --sweep: each GIF frame is shown N hundredths of a second "
       "(default 10).",
       ParseFrameDelay, In({kSweep}, {kSphere, kMap, kSurface})},
      {"recover", "METHOD",
       "With --surface or --images: recover the shape from its images instead of writing a "
       "picture: ps (Woodham's photometric stereo from the described source and each --light), "
       "ps-law (the same fitted with the job's law), ps-robust (Woodham's with the samples a "
       "matte fit cannot explain left out, highlights and shadows' edges, counted as "
       "rejected_samples=), sfs-tsai-shah, sfs-horn or sfs-fmm (shape from "
       "shading of the described source's image, or --source's, or of the first photograph; "
       "sfs-fmm, fast marching, under a source on the view axis only). "
       "Prints the errors "
       "against the true surface, one name=value a line (mean_angular_error_deg, "
       "median_angular_error_deg, depth_rms, depth_rms_percent, mean_depth_error, "
       "std_depth_error, mean_gradient_error, recovered_pixels; ps-law adds ambiguous_cells, the "
       "cells two orientations fit as well); with --images, which has no "
       "true surface, recovered_pixels alone.",
       ParseRecover, kRecovered},
      {"images", "DIR",
       "With --recover, instead of --surface: a folder of photographs as the common photometric "
       "stereo sets lay them out: filenames.txt (one image a line: PNG of 8 or 16 bits, grey or "
       "colour, or another format Qt reads), light_directions.txt (one \"x y z\" line an image, "
       "x to the right, y up, z towards the camera, z > 0), optionally light_intensities.txt "
       "(one \"r g b\" line an image, each channel divided by it) and mask.png (black: no data). "
       "Colour becomes the mean of the channels. A set too large to hold (pixels times images "
       "beyond a cap the message names) is refused before any pixel is read, and a folder that "
       "does not read is a message (in the --language) naming the file.",
       StoreImagesFolder, In({kRecovery}, {kPhotos})},
      {"ball-lights", "DIR",
       "Instead of a picture, the lights of a photometric stereo set from photographs of a "
       "mirror ball, one a light: DIR holds filenames.txt (one image a line) and mask.png (the "
       "ball: every cell not black). Prints one \"x y z\" line an image, in "
       "light_directions.txt's terms (x to the right, y up, z towards the camera, unit length), "
       "the light the highlight reflects into the camera. A folder that does not read, a mask "
       "without a ball or an image without a highlight is a message (in the --language) naming "
       "the file.",
       StoreBallLightsFolder, In({kBallLights}, {kSphere})},
      {"integrate", "NAME",
       "With --recover ps, ps-law or ps-robust: fc (Frankot-Chellappa), dct (the "
       "cosine-transform Poisson solution, default) or poisson (on the recovered cells only).",
       ParseIntegrate, kRecovered},
      {"noise", "SIGMA",
       "With --recover --surface: Gaussian noise of SIGMA grey levels in the images.", ParseNoise,
       In({kRecovery}, {kSurface})},
      {"quantise", "BITS", "With --recover --surface: the images rounded to 8 or 16 bits.",
       ParseQuantise, In({kRecovery}, {kSurface})},
      {"height-out", "FILE",
       "With --recover: the recovered height as a GeoTIFF (.tif) or an "
       "ASCII grid (.asc).",
       StoreHeightOut, kRecovered},
      {"normals-out", "FILE", "With --recover: the recovered normals as an RGB normal map (.png).",
       StoreNormalsOut, kRecovered},
      {"albedo-out", "FILE", "With --recover: the recovered albedo (.png).", StoreAlbedoOut,
       kRecovered},
      {"error-out", "FILE",
       "With --recover --surface: the map of the angle between each recovered and true normal "
       "(.png), dark blue for none to red for the scale's top and above, grey where nothing was "
       "recovered, with its colour bar numbered in degrees.",
       StoreErrorOut, In({kRecovery}, {kSurface})},
      {"error-scale", "DEG|auto",
       "With --error-out: the top of its colour scale, 0.1 to 180 degrees, the same in every run "
       "so that two maps can be put side by side; auto (default): a round number above 95% of "
       "the errors.",
       ParseErrorScale, In({kRecovery}, {kSurface})},
      {"o", "FILE",
       "Output file. Its extension, .ppm, .png, .bmp, .svg or .pdf in any letter case, chooses "
       "the format; any other is refused unless --format is given. SVG and PDF are figures: the "
       "pass's pixels as one image at their own resolution, and over them what the raster "
       "formats draw into the pixels (the map's axes, numbers and marks) as vector lines and "
       "text; the page is the picture's size divided by --scale (CSS pixels in SVG, points in "
       "PDF). With \"-o -\" the picture goes to "
       "standard output (PPM unless --format says otherwise). A regular file is replaced whole "
       "or, if the write fails, left as it was; an existing FIFO or character device (or a link "
       "to one) is written to as a stream and never replaced.",
       ParseOutput, kPictureFile},
      {"setup", "FILE",
       "Start from a setup file saved by the window (.gsetup): its angles, function, law, "
       "legend, switches, exposure, background and overlay, and its map's sources for "
       "--gradient-space or --surface. Every other option given overrides it; --function drops "
       "its law.",
       [](std::string_view, RenderJob&) { return OptionValueError(); },
       kEveryRun & ~In({kComparedPhaseCurves}, {kSphere})},
      {"write-setup", "FILE",
       "Write the setup of the options given, as the window saves one, to FILE (replaced whole "
       "or left as it was); with no -o or --readout nothing else is written.",
       [](std::string_view text, RenderJob& job) {
         job.writeSetupPath = std::string(text);
         return OptionValueError();
       },
       kEveryRun},
      {"language", "ru|en",
       "The language of this usage text and of the messages about a formula, an elevation model, "
       "a photo folder, sources or a setup file that does not read: en (English, default) or ru "
       "(Russian); the other messages and the reports keep their words.",
       ParseUsageLanguage, kEverything},
      {"format", "NAME",
       "ppm, png, bmp, svg or pdf: the picture format, whatever the output file's extension (by "
       "default "
       "the extension chooses it, and standard output gets PPM).",
       ParseFormat, In({kPicture, kCompare}, {kSphere, kMap, kSurface})},
  };
  return kOptions;
}
