#pragma once
// The renderer's curves: the law's phase curve, or a profile of the picture along a line, written
// as CSV (a header, a row a sample) or plotted (Qt Charts) as PNG or SVG.
//
//   phase curve: fresh state -> ComputePhaseCurve -> the curve beside Lambert's and
//                Lommel-Seeliger's closed forms
//   profile:     the job's pass (sphere or map) or surface -> its readout at each pixel of the line
//   equator:     the job's sphere -> the law at each normal of the photometric equator

#include <ostream>

#include "render_job.h"

int RunCurveTool(const RenderJob& job, std::ostream& out, std::ostream& err);
