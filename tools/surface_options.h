#pragma once
// The renderer's options for the image of a surface: --surface NAME|FILE (a catalogue surface or
// an elevation model), --surface-size WxH, --surface-param NAME=VALUE (repeatable),
// --height-scale K, --albedo FILE, --cast-shadows, --source K (whose image is written: 1 the
// described source, 2 and 3 the --light ones) and --list-surfaces.

#include <string>
#include <string_view>

#include "option_values.h"
#include "render_job.h"

OptionValueError ParseSurface(std::string_view text, RenderJob& job);
OptionValueError ParseSurfaceSize(std::string_view text, RenderJob& job);
OptionValueError StoreSurfaceParameter(std::string_view text, RenderJob& job);
OptionValueError ParseHeightScale(std::string_view text, RenderJob& job);
OptionValueError ParseAlbedo(std::string_view text, RenderJob& job);
OptionValueError ParseSourceNumber(std::string_view text, RenderJob& job);

// After every option is read: the surface options need --surface and it refuses what draws on
// the sphere or the map; a catalogue surface's parameters are resolved (a name it lacks, a value
// not a number or out of its range is an error naming it); --source must name a source given.
OptionValueError ResolveSurface(RenderJob& job);

// Whether the job paints an elevation model's file (its size is known once it is read).
bool PaintsSurfaceFile(const RenderJob& job);

// The catalogue, one surface a line with its parameters, ranges and start values.
std::string SurfaceList();
