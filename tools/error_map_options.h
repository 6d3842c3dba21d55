#pragma once
// The recovery's angular-error map as a file: --error-out FILE.png writes the map of the angle
// between each recovered and true normal, with its colour bar and the bar's top in degrees;
// --error-scale DEG fixes the top (0.1 to 180), so that the maps of two runs share their colours,
// where by default (auto) it is a round number above 95% of the errors. Only a --surface has
// true normals: the photographs of --images have none to measure against.

#include <string_view>

#include "option_values.h"
#include "render_job.h"

OptionValueError StoreErrorOut(std::string_view text, RenderJob& job);
OptionValueError ParseErrorScale(std::string_view text, RenderJob& job);

// --error-scale without --error-out, or --error-out not a .png.
OptionValueError CheckErrorMapOptions(const RenderJob& job);
