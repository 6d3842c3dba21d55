#pragma once
// The renderer's curves: --phase-curve (with --phase-step DEG, 0.1 to 30, default 1) writes the
// law's disc-integrated phase curve, --profile X0,Y0:X1,Y1 phi along a line of the picture (the
// sphere, the map or a surface), --profile equator along the sphere's photometric equator; either
// goes to -o FILE.csv, .png or .svg (a plot).

#include <string_view>

#include "option_values.h"
#include "render_job.h"

OptionValueError ParsePhaseStep(std::string_view text, RenderJob& job);
OptionValueError ParseProfile(std::string_view text, RenderJob& job);

// After every option is read: a curve needs -o with .csv, .png or .svg; the phase curve takes no
// --profile, the mirror has none; --plain is refused, and the equator with a surface or the map.
OptionValueError ResolveCurve(RenderJob& job);
