#pragma once
// The renderer's laws side by side: --compare LAW[:NAME=VALUE...],LAW... paints one sphere for
// each law (2 to 6), each its own pass of the job's view, light, exposure and legend, exactly as
// the job's own sphere would be painted with that law, and writes them in one row with their
// captions under them (PPM, PNG, BMP; or SVG and PDF with the captions as text).

#include <QString>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "option_values.h"
#include "render_job.h"

inline constexpr int kMinCompared = 2;
inline constexpr int kMaxCompared = 6;
inline constexpr int kMaxComparedPixels = 100'000'000;  // the spheres together

OptionValueError ParseCompare(std::string_view text, RenderJob& job);

// The job of one compared entry: the job's own with the entry's function and parameters, or the
// message naming the entry.
std::variant<RenderJob, std::string> ComparedJob(const RenderJob& job, const std::string& entry);

// "Миннарт, k=0.5": the entry's caption.
QString ComparedCaption(const RenderJob& one, const std::string& entry);

int RunCompareTool(const RenderJob& job, std::ostream& out, std::ostream& err);
