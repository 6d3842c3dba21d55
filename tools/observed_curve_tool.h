#pragma once
// The renderer's absolute photometry and observed points (--phase-curve with --law-albedo,
// --observations, --fit): the law's albedos printed as one line, and observed points read,
// drawn with the law on its physical scale, or fitted by a law's parameters or a magnitude system.
//
//   job -> the law's state -> p, q, A on stdout
//   job -> ReadObservationFile -> PhaseModel (the names of --fit) -> FitPhaseModel ->
//          NAME=VALUE +- uncertainty lines, chi-square; the CSV of residuals or the plot

#include <optional>
#include <ostream>
#include <string>

#include "model/render_state.h"
#include "render_job.h"

// "geometric_albedo=P phase_integral=Q spherical_albedo=A" of the state's law at `albedo`, or
// nothing for a function dark over the disc.
std::optional<std::string> AlbedoLine(const RenderState& state, double albedo);

int RunObservedCurve(const RenderJob& job, std::ostream& out, std::ostream& err);
