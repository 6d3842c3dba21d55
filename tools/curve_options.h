#pragma once
// The renderer's curves: --phase-curve (with --phase-step DEG, 0.1 to 30, default 1, and
// --phase-max DEG, 1 to 180, default 180) writes the
// law's disc-integrated phase curve, --profile X0,Y0:X1,Y1 phi along a line of the picture (the
// sphere, the map or a surface), --profile equator along the sphere's photometric equator; either
// goes to -o FILE.csv, .png or .svg (a plot).

#include <string_view>

#include "option_values.h"
#include "render_job.h"

OptionValueError ParsePhaseStep(std::string_view text, RenderJob& job);
OptionValueError ParsePhaseMax(std::string_view text, RenderJob& job);
OptionValueError ParseProfile(std::string_view text, RenderJob& job);
// --law-albedo A (a finite number from 0), --observations FILE, --fit NAME,... (names without
// blanks, none twice).
OptionValueError ParseLawAlbedo(std::string_view text, RenderJob& job);
OptionValueError ParseObservations(std::string_view text, RenderJob& job);
OptionValueError ParseFitNames(std::string_view text, RenderJob& job);

// After every option is read: a curve needs -o with .csv, .png or .svg; the phase curve takes no
// --profile, the mirror has none; --plain is refused, and the equator with a surface or the map.
// --fit needs --observations;
// --law-albedo is refused without --albedos or --observations, for Hapke's law (its w is its
// scale) and above 1 for the matte function and Lommel-Seeliger's.
OptionValueError ResolveCurve(RenderJob& job);
