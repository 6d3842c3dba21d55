#pragma once
// The renderer's options for the figure over the gradient-space map: --light SLANT,TILT (a source
// beside the described one, repeatable up to twice), --through P,Q, --lit-by-all and --marks.
// They draw on the map only: without --gradient-space they are refused (exit status 2). The
// sphere's own marks, --outline and --source-mark, are refused with it; --contour-lines and
// --line-width N serve both.

#include <string_view>

#include "option_values.h"
#include "render_job.h"

// SLANT,TILT in degrees, two numbers in the C number format: one more extra source.
OptionValueError ParseLightSource(std::string_view text, RenderJob& job);

// P,Q: the orientation whose isophotes are drawn.
OptionValueError ParseThrough(std::string_view text, RenderJob& job);

// Whether the job draws any mark over the map.
bool DrawsFigure(const RenderJob& job);

// The map's figure options need --gradient-space; the sphere's marks (--outline, --source-mark)
// refuse it.
OptionValueError CheckFigureOptions(const RenderJob& job);
