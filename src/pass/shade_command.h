#pragma once
// The shading module's entry: one press of the shade button, without the window.
//   six texts -> parameter_intake -> RenderState -> raster_pass (raster_walk + photometry's
//   shaders) -> Picture; then observer_arrow decides the arrow. legend_intake reads the legend
//   columns between passes; input_messages words every complaint about what the user typed.
// Each text is read once, by the intake, which also hands on what the later steps need. The
// raster pass and the arrow's decision run only if every text read. The window wraps this with
// the busy pointer and hiding/showing the picture; the headless renderer calls it on a fresh
// state.

#include <variant>
#include <vector>

#include "intake/parameter_intake.h"
#include "model/picture.h"
#include "model/render_state.h"
#include "pass/observer_arrow.h"

// A pass that ran: what becomes of the observer arrow, and the s and n texts that did not read
// but were not needed (see ShadeIntake).
struct ShadePass {
  ArrowState arrow;
  std::vector<InputError> keptGlossFields;
};

using ShadeOutcome = std::variant<InputError, ShadePass>;

ShadeOutcome RunShadeCommand(RenderState& state, Picture& picture, const ShadeInputs& inputs,
                             const NumberFormat& format, bool smoothing);
