#pragma once
// The shade command's parameter intake: from the six texts of the window to the rotations, the
// slant, the light direction, the glossy parameters and the mirror tolerance in the RenderState.
// Every text is read and checked before any field changes: on an input error nothing changes.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "intake/input_messages.h"
#include "intake/number_text.h"
#include "model/message.h"
#include "model/render_state.h"
#include "model/startup_values.h"

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

// A parameter text that did not read.
struct InputError {
  ShadeField field;
  std::string text;     // what the box holds
  NumberError reason;   // kOverflow also where the angle in radians is beyond a 32-bit float
  std::string message;  // Russian, names the box and what it holds
  Message said = {};    // the same message, for the language in use
};

// What the steps after the pass need from the texts, beside the RenderState.
struct ShadeIntake {
  // The rotation about Oy as typed, in degrees, as a 32-bit float: the observer arrow's test.
  float rotYDegrees = 0.0F;
  // s and n texts that did not read while the function needs neither: their fields kept their
  // last values, and the window marks their boxes. At most two, s first.
  std::vector<InputError> keptGlossFields;
};

using ShadeIntakeOutcome = std::variant<InputError, ShadeIntake>;

// Reads each of the six texts once into the RenderState (rotations, slant, source direction,
// glossS, glossN, and mirrorTolerance when reflectanceKind is the mirror); s and n must read only
// when the state's reflectanceKind needs them. Returns the first error, if any, and then leaves
// the state untouched.
ShadeIntakeOutcome ReadShadeParameters(RenderState& state, const ShadeInputs& inputs,
                                       const NumberFormat& format);
