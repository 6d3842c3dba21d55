#pragma once
// The renderer's shape recovery: from the images of a --surface under the described source and
// each --light (with --noise SIGMA grey levels and --quantise 8|16), --recover ps (Woodham's
// least squares), ps-law (with the job's law), sfs-tsai-shah or sfs-horn (one image, the
// described source); the gradients integrated by --integrate fc, dct (default) or poisson. It
// prints the report against the true surface, one name=value a line, and writes --height-out
// FILE.tif|.asc (the input's grid, north up, no data outside the recovered cells),
// --normals-out FILE.png (the RGB normal map) and --albedo-out FILE.png.
// Or from --images DIR, a folder of photographs and their light directions (photo_set.h): the
// same methods (shape from shading takes the first image and its light); with no true surface
// the report is recovered_pixels= alone. A folder that does not read writes nothing.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "option_values.h"
#include "render_job.h"

OptionValueError ParseRecover(std::string_view text, RenderJob& job);
OptionValueError ParseIntegrate(std::string_view text, RenderJob& job);
OptionValueError ParseNoise(std::string_view text, RenderJob& job);
OptionValueError ParseQuantise(std::string_view text, RenderJob& job);
OptionValueError StoreImagesFolder(std::string_view text, RenderJob& job);
OptionValueError StoreHeightOut(std::string_view text, RenderJob& job);
OptionValueError StoreNormalsOut(std::string_view text, RenderJob& job);
OptionValueError StoreAlbedoOut(std::string_view text, RenderJob& job);

// After every option is read: recovery needs --surface or --images (one of them; the camera's
// noise and quantisation only with --surface), --source only for shape from shading and
// --integrate only for stereo, and its outputs their formats.
OptionValueError ResolveRecover(const RenderJob& job);

int RunRecoverTool(const RenderJob& job, std::ostream& out, std::ostream& err);
