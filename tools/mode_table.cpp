#include "mode_table.h"

#include <array>

#include "ball_lights_tool.h"
#include "compare_tool.h"
#include "curve_options.h"
#include "curve_tool.h"
#include "option_modes.h"
#include "picture_file.h"
#include "recover_tool.h"
#include "render_tool.h"
#include "surface_options.h"
#include "sweep_tool.h"

namespace {

OptionValueError NothingToResolve(RenderJob& /*job*/) { return std::nullopt; }

// A picture, a row of them, a readout or the setup alone: -o's format, and some output.
OptionValueError ResolvePictureOutput(RenderJob& job) {
  if (OptionValueError error = ResolveOutputFormat(job)) return error;
  if (job.mode == Mode::kPicture && job.scene == Scene::kSurface && OptionGiven(job, "scale") &&
      !IsVectorFormat(job.format)) {
    return std::string(
        "--scale sizes the page of a surface's SVG or PDF image: its raster image has one pixel "
        "a cell");
  }
  if (job.outputPath.empty() && job.mode != Mode::kReadout && job.mode != Mode::kSetupOnly) {
    return std::string(
        "no output file: give -o FILE.ppm, -o FILE.png, -o FILE.bmp, -o FILE.svg, -o FILE.pdf or "
        "-o - (standard output), or --readout X,Y");
  }
  return std::nullopt;
}

int ListSurfaces(const RenderJob& /*job*/, std::ostream& out, std::ostream& /*err*/) {
  out << SurfaceList();
  return kExitSuccess;
}

// The setup file is written before any mode runs; alone, it is all there is to do.
int SetupWritten(const RenderJob& /*job*/, std::ostream& /*out*/, std::ostream& /*err*/) {
  return kExitSuccess;
}

constexpr std::array<ModeRow, kModeCount> kModes = {{
    {Mode::kListSurfaces, "--list-surfaces", [](const RenderJob& job) { return job.listSurfaces; },
     NothingToResolve, ListSurfaces},
    {Mode::kBallLights, "--ball-lights",
     [](const RenderJob& job) { return !job.ballLightsFolder.empty(); }, NothingToResolve,
     RunBallLightsTool},
    {Mode::kRecovery, "--recover",
     [](const RenderJob& job) { return job.recover && !job.recover->method.empty(); },
     NothingToResolve, RunRecoverTool},
    {Mode::kSweep, "--sweep", [](const RenderJob& job) { return job.sweep.has_value(); },
     [](RenderJob& job) { return ResolveSweep(job); }, RunSweepTool},
    {Mode::kComparedPhaseCurves, "--compare",
     [](const RenderJob& job) { return !job.compare.empty() && job.phaseCurve; }, ResolveCurve,
     RunCurveTool},
    {Mode::kComparedProfiles, "--compare",
     [](const RenderJob& job) { return !job.compare.empty() && job.profile.has_value(); },
     ResolveCurve, RunCurveTool},
    {Mode::kPhaseCurve, "--phase-curve", [](const RenderJob& job) { return job.phaseCurve; },
     ResolveCurve, RunCurveTool},
    {Mode::kProfile, "--profile", [](const RenderJob& job) { return job.profile.has_value(); },
     ResolveCurve, RunCurveTool},
    {Mode::kCompare, "--compare", [](const RenderJob& job) { return !job.compare.empty(); },
     ResolvePictureOutput, RunCompareTool},
    {Mode::kReadout, "--readout", [](const RenderJob& job) { return job.readout.has_value(); },
     ResolvePictureOutput, RunReadoutMode},
    {Mode::kSetupOnly, "--write-setup without -o",
     [](const RenderJob& job) { return !job.writeSetupPath.empty() && job.outputPath.empty(); },
     ResolvePictureOutput, SetupWritten},
    {Mode::kPicture, "-o", [](const RenderJob& /*job*/) { return true; }, ResolvePictureOutput,
     RunPictureMode},
}};

constexpr bool InOrderOfTheEnum() {
  for (size_t k = 0; k < kModes.size(); ++k) {
    if (static_cast<size_t>(kModes[k].mode) != k) return false;
  }
  return true;
}
static_assert(InOrderOfTheEnum(), "ModeRowOf finds a mode's row by its value");

}  // namespace

std::span<const ModeRow> ModeTable() { return kModes; }

const ModeRow& ModeRowOf(Mode mode) { return kModes[static_cast<size_t>(mode)]; }

Mode DecideMode(const RenderJob& job) {
  for (const ModeRow& row : kModes) {
    if (row.chosen(job)) return row.mode;
  }
  return Mode::kPicture;
}

Scene DecideScene(const RenderJob& job) {
  if (job.recover && !job.recover->imagesFolder.empty()) return Scene::kPhotos;
  if (job.surface && !job.surface->name.empty()) return Scene::kSurface;
  if (job.gradientSpace) return Scene::kMap;
  return Scene::kSphere;
}

const char* SceneOption(Scene scene) {
  switch (scene) {
    case Scene::kMap:
      return "--gradient-space";
    case Scene::kSurface:
      return "--surface";
    case Scene::kPhotos:
      return "--images";
    case Scene::kSphere:
      break;
  }
  return "";
}
