#pragma once
// One press of the shade button, without the window: parameter intake, then (only if every text
// read) the raster pass and the observer arrow's decision. The window wraps this with the busy
// pointer and hiding/showing the picture; the headless renderer calls it on a fresh state.

#include <variant>

#include "model/picture.h"
#include "model/render_state.h"
#include "shading/observer_arrow.h"
#include "shading/parameter_intake.h"

using ShadeOutcome = std::variant<InputError, ArrowState>;

ShadeOutcome RunShadeCommand(RenderState& state, Picture& picture, const ShadeInputs& inputs,
                             const NumberFormat& format, bool smoothing);
