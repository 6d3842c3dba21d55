#pragma once
// The pass of a view, as the renderer runs it for the same options: the shade command on a fresh
// state for the sphere, or the shade press's intake and the map's pass for gradient space. The
// picture's pixels are the renderer's, before any overlay.

#include "intake/parameter_intake.h"
#include "model/image_buffer.h"
#include "model/render_state.h"
#include "view_options.h"

struct ViewPass {
  RenderState state;  // as the pass leaves it: what the readout reads
  ImageBuffer picture;
};

// Runs the pass with the GIL released, interruptible (interruptible.h). Throws ModuleError with
// the program's message for a text that does not read.
ViewPass RunViewPass(const ViewOptions& view, bool gradientSpace);

// Raises a text that did not read with the program's message (its English text).
[[noreturn]] void ThrowInputError(const InputError& error);
