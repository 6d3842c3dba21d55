#pragma once
// The headless renderer: the picture of one press of the shade button on a fresh window.
//   command line -> RenderJob -> fresh RenderState with start-up values and the job's options
//   -> shade command on a white ImageBuffer -> PPM, PNG or BMP file, or standard output for
//   "-o -" (every pixel, no observer arrow), the overlay (job_overlay.h) drawn into the pixels;
//   or an SVG or PDF file of the pass's pixels with the overlay over them as vectors
// With --gradient-space the parameter intake of the shade command runs alone and the
// gradient-space map and its figure are painted instead; with --readout the line of one pixel of
// the state after the pass goes to stdout instead of a file (a given -o is checked as writable, not
// written). The other modes (mode_table.h) run by the job's row of the table of modes.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "intake/parameter_intake.h"
#include "model/image_buffer.h"
#include "model/render_state.h"
#include "render_options.h"

// The start of every line the renderer writes to stderr.
inline constexpr std::string_view kToolName = "gauss-sphere-render: ";
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 2;  // bad option, bad number or failed write

using RenderOutcome = std::variant<ImageBuffer, InputError>;

// The RenderState as the pass leaves it (the state the window keeps) and the painted picture.
struct PassResult {
  RenderState state;
  ImageBuffer picture;
};

// What the window's handlers would have stored after start-up and the user's clicks: the
// function, law, legend, switches, scale, exposure, background and the bands as lines.
void ApplyJobSettings(const RenderJob& job, RenderState& state);

// Runs the job's pass, the sphere's or the map's colours (without the map's figure), on a fresh
// state and a white picture; or returns the input error of the parameter intake (nothing is
// painted then).
std::variant<PassResult, InputError> RunJobPass(const RenderJob& job);

// Paints the job's picture, the pass with its overlay drawn in (job_overlay.h), or returns the
// shade command's input error (nothing is painted then).
RenderOutcome RenderPicture(const RenderJob& job);

// Writes the job's picture of `pass` to job.outputPath in job.format: a raster format with the
// overlay drawn into the pass's pixels, SVG or PDF with it drawn as vectors over them. Returns
// the message of a failed encoding or write.
std::optional<std::string> WriteJobPicture(const RenderJob& job, PassResult& pass);

// The readout line (without a newline) of job.readout in the picture of `pass`, a run of the
// job's pass: its state as the pass left it, the sphere's readout or the map's.
std::string ReadoutLineOf(const RenderJob& job, const PassResult& pass);

// The readout line (without a newline) of job.readout after the job's pass, or the input error.
std::variant<std::string, InputError> RenderReadoutLine(const RenderJob& job);

// "gauss-sphere-render: --gradient-space ignores --rot-x, --whole-sphere: gradient space is seen
// from +z" (or "--surface ignores ...: a surface image is seen from +z"); empty when the job
// ignores nothing.
std::string IgnoredOptionsWarning(const RenderJob& job);

// "gauss-sphere-render: --s is ignored: only --function glossy uses s and n" (or "--s and --n
// are"); empty when the job's function needs them or neither was given.
std::string IgnoredGlossWarning(const RenderJob& job);

// The readout mode (the sphere's, the map's or a surface's line) and the picture mode (the
// sphere, the map or a surface's image): exit status, messages to `err`.
int RunReadoutMode(const RenderJob& job, std::ostream& out, std::ostream& err);
int RunPictureMode(const RenderJob& job, std::ostream& out, std::ostream& err);

// The whole tool: parses `args` (without the program name), renders, writes the file or prints
// the readout, and returns the exit status. Usage, version and the readout go to `out`, every
// message about a failure or an ignored option to `err`; the picture of "-o -" goes to file
// descriptor 1 (standard output), not through `out`.
int RunRenderTool(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
