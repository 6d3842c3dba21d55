#pragma once
// The renderer's light calibration: --ball-lights DIR reads a folder of mirror-ball photographs
// (photoset/ball_set.h) and prints one "x y z" line an image, the light's direction as
// light_directions.txt of a photo set gives it (x to the right, y up, z towards the camera, unit
// length), so that its output can be that file. A folder that does not read prints only the
// message, in the --language.

#include <ostream>
#include <string_view>

#include "option_values.h"
#include "render_job.h"

OptionValueError StoreBallLightsFolder(std::string_view text, RenderJob& job);

int RunBallLightsTool(const RenderJob& job, std::ostream& out, std::ostream& err);
