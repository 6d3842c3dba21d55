#pragma once
// Each option given against the job's mode and scene, by the option tables' rows: applied, ignored
// with a warning, or refused with a message naming both options.

#include <string>

#include "option_values.h"
#include "render_job.h"

// Fills job.ignoredOptions with the options the scene ignores with a warning; returns the refusal
// of the first option (in the order of the usage text) that applies neither to the mode nor to
// the scene.
OptionValueError CheckOptionModes(RenderJob& job);

bool OptionGiven(const RenderJob& job, std::string_view name);
