#pragma once
// The shade command's parameter intake: from the six texts of the window to the rotations, the
// slant, the light direction, the glossy parameters and the mirror tolerance in the RenderState.
// Every text is read and checked before any field changes: on an input error nothing changes.

#include <cstdint>
#include <optional>
#include <string>

#include "model/render_state.h"
#include "model/startup_values.h"
#include "shading/input_messages.h"
#include "shading/number_text.h"

// The six parameter texts as typed: rotations about Ox, Oy, Oz and the source slant in degrees,
// the glossy function's s and n. A fresh window's texts by default.
struct ShadeInputs {
  std::string rotX = kStartupRotXText;
  std::string rotY = kStartupRotYText;
  std::string rotZ = kStartupRotZText;
  std::string slant = kStartupSlantText;
  std::string glossS = kStartupGlossSText;
  std::string glossN = kStartupGlossNText;
};

// s and n belong to the glossy function alone: only with it must their texts read. With any
// other function a text of theirs that does not read is no error, and its field keeps its last
// value; the window hides their boxes, the renderer says it ignores them.
bool NeedsGlossParameters(int32_t reflectanceKind);

struct InputError {
  ShadeField field;
  std::string text;     // what the box holds
  std::string message;  // Russian, names the box and what it holds
};

// Reads the six texts into the RenderState (rotations, slant, source direction, glossS, glossN,
// and mirrorTolerance when reflectanceKind is the mirror); s and n must read only when the
// state's reflectanceKind needs them. Returns the first error, if any, and then leaves the state
// untouched.
std::optional<InputError> ReadShadeParameters(RenderState& state, const ShadeInputs& inputs,
                                              const NumberFormat& format);
