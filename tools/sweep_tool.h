#pragma once
// The renderer's sweeps: --sweep NAME=FROM:TO:FRAMES paints FRAMES pictures of the job with one
// setting stepped evenly from FROM to TO (slant, rot-x, rot-y, rot-z, exposure, or a parameter
// of the job's law by its --param name), and writes them as an animated GIF (-o FILE.gif, one
// palette from all frames, --frame-delay hundredths of a second a frame) or as numbered PNG files
// (-o FILE_%03d.png: the frame's number, from 0, in the printf field).

#include <ostream>
#include <string>
#include <string_view>

#include "animation/sweep_steps.h"
#include "option_values.h"
#include "render_job.h"

OptionValueError ParseSweep(std::string_view text, RenderJob& job);
OptionValueError ParseFrameDelay(std::string_view text, RenderJob& job);

// After every option is read: a sweep's output is .gif or a .png name with one %d field.
OptionValueError ResolveSweep(const RenderJob& job);

// The job of frame `frame`, its setting at that step; or the message of a parameter the law
// does not take.
std::variant<RenderJob, std::string> SweepFrameJob(const RenderJob& job, int frame);

int RunSweepTool(const RenderJob& job, std::ostream& out, std::ostream& err);
