#pragma once
// The headless renderer: the picture of one press of the shade button on a fresh window.
//   command line -> RenderJob -> fresh RenderState with start-up values and the job's options
//   -> shade command on a white ImageBuffer -> PPM or PNG file (every pixel, no observer arrow)

#include <ostream>
#include <string_view>
#include <variant>
#include <vector>

#include "model/image_buffer.h"
#include "render_options.h"
#include "shading/parameter_intake.h"

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 2;  // bad option, bad number or failed write

using RenderOutcome = std::variant<ImageBuffer, InputError>;

// Paints the job's picture, or returns the shade command's input error (nothing is painted then).
RenderOutcome RenderPicture(const RenderJob& job);

// The whole tool: parses `args` (without the program name), renders, writes the file, and returns
// the exit status. Usage and version go to `out`, every message about a failure to `err`.
int RunRenderTool(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
