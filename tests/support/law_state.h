#pragma once
// A pass's state at the start-up values with one law and that law's starting parameters.

#include <cstdint>

#include "model/startup_values.h"
#include "photometry/law_catalogue.h"

inline RenderState LawState(int32_t kind) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.law = StartLawSettings(kind);
  return state;
}
