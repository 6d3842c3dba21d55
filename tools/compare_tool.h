#pragma once
// The renderer's laws side by side: --compare LAW[:NAME=VALUE...],LAW... paints one sphere for
// each law (2 to 6), each its own pass of the job's view, light, exposure and legend, exactly as
// the job's own sphere would be painted with that law, and writes them in one row with their
// captions under them (PPM, PNG, BMP; or SVG and PDF with the captions as text).

#include <ostream>
#include <string_view>

#include "option_values.h"
#include "render_job.h"

inline constexpr int kMinCompared = 2;
inline constexpr int kMaxCompared = 6;

OptionValueError ParseCompare(std::string_view text, RenderJob& job);

int RunCompareTool(const RenderJob& job, std::ostream& out, std::ostream& err);
