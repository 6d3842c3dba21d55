#pragma once
// The renderer's surface: --surface NAME|FILE painted as its image under one source, or the
// readout of one of its pixels.
//
//   job -> fresh state (start-up values, the job's options, the slant's intake) -> the height
//   field (catalogue or file), height scale, albedo -> gradients -> cast shadows -> image of
//   source K, or the readout line "x= y= z= p= q= i= e= g= phi= painted= zone=" (phi2=, phi3=)

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "render_job.h"
#include "render_tool.h"
#include "surface/surface_image.h"

// The scene the job paints, or the message of a file that did not read.
std::variant<SurfaceScene, std::string> LoadSurfaceScene(const RenderJob& job);

// What the job's surface is painted and read from: the state after the slant's intake, the scene,
// the sources (the described one first) and each one's cast shadows (empty when not asked for).
struct PreparedSurface {
  RenderState state;
  SurfaceScene scene;
  std::vector<LightAim> sources;
  std::vector<std::vector<uint8_t>> shadows;
};

// The prepared surface, or the message of a text or a file that did not read.
std::variant<PreparedSurface, std::string> PrepareSurface(const RenderJob& job);
// The same over a scene already loaded (a sweep's frames share one).
std::variant<PreparedSurface, std::string> PrepareSurfaceOver(const RenderJob& job,
                                                              SurfaceScene scene);
// The image of source K (--source) of a prepared surface, with the state it was painted from.
PassResult PaintPreparedSurface(const RenderJob& job, const PreparedSurface& prepared);

// Paints or reads out the job's surface; the exit status. Messages go to `err`.
int RunSurfaceTool(const RenderJob& job, std::ostream& out, std::ostream& err);

// The readout line of cell (column, row) for the sources of `readout` ("background" for none).
std::string SurfaceReadoutLine(const std::optional<SurfaceReadout>& readout);
