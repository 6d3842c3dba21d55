#pragma once
// The last pass's state for the tests of the map's figure: start-up values, one function and a
// slant (degrees), colour isolines on.

#include <memory>
#include <string>
#include <variant>

#include "model/angles.h"
#include "model/startup_values.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "photometry/light_source.h"

inline RenderState FigureState(int32_t kind, double slantDegrees) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.law = StartLawSettings(kind);
  state.glossS = 0.7;
  state.glossN = 5.0;
  AimLightSource(state, RadiansFromDegrees(slantDegrees));
  if (kind == kMirror) state.mirrorTolerance = MirrorToleranceForSlant(state.sourceSlant);
  return state;
}

inline RenderState FormulaState(const std::string& text, double slantDegrees) {
  RenderState state = FigureState(kFormula, slantDegrees);
  state.law.formula = std::get<std::shared_ptr<const CustomFormula>>(CompileFormula(text, {}));
  return state;
}
