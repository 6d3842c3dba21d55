#pragma once
// The renderer's setups, in the window's format (setup/setup_file.h):
//   --setup FILE        the job starts from the setup: the boxes, function, law, legend,
//                       switches, exposure, background and overlay, and the map's sources for
//                       --gradient-space or --surface; every other option given overrides it
//   --write-setup FILE  the setup of the options given, written whole or not at all

#include <string>
#include <string_view>

#include "option_values.h"
#include "render_job.h"

// --setup: reads the file and puts its state into `job`; a file that does not read is the error.
OptionValueError StartFromSetup(std::string_view path, RenderJob& job);

// After the options: the setup's law unless --function chose another (its parameters under
// those --param names again), and its sources where the job draws them and gives none.
void MergeSetup(RenderJob& job, bool functionGiven, bool formulaGiven);

// A setup holds the switches of every window at once: what the job's scene cannot draw (the
// outline and the sun off the sphere, contour lines on a surface or with --plain) is left out, as
// the window leaves it out, unless the options ask for it (then it is refused as given).
void LeaveOutSetupOverlays(RenderJob& job);

// --write-setup: the job's options as a setup, written to job.writeSetupPath.
OptionValueError WriteJobSetup(const RenderJob& job);
