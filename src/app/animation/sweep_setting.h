#pragma once
// What «Анимация…» sweeps: one setting of what a press of «Тонировать» would paint now, stepped
// frame by frame. The base is a copy of the window's state with the texts of its boxes and the
// map's extra sources; each frame is that copy with the one setting at the frame's value, the
// angles and s, n read from text as the shade command reads them (stand-ins for the right angles
// included), so that a frame is the very picture a press would paint at that value.
//
//   SweepBase + SweepSetting + value -> StepSetting -> SweptFrame (state, sources) or a reason

#include <QString>
#include <variant>
#include <vector>

#include "figure/used_source.h"
#include "intake/parameter_intake.h"
#include "model/render_state.h"

struct SweepBase {
  RenderState state;   // function, law, legend, exposure and switches as the window holds them
  ShadeInputs inputs;  // the angle, s and n boxes' texts
  std::vector<UsedSource> extraSources;  // the map's «Источники», sources 2 and 3
};

enum class SweepKind {
  kRotX,
  kRotY,
  kRotZ,
  kSlant,
  kSourceSlant,  // of extra source `index`
  kSourceTilt,   // of extra source `index`
  kGlossS,
  kGlossN,
  kLawParameter,  // parameter `index` of the chosen additional law or formula
  kExposure,
};

struct SweepSetting {
  SweepKind kind = SweepKind::kSlant;
  int index = 0;
  QString name;  // Russian, as the dialog lists it
};

// What one frame is painted from.
struct SweptFrame {
  RenderState state;
  std::vector<UsedSource> extraSources;
};

// The settings the base can sweep: the rotations, the slant, each extra source's slant and tilt,
// the chosen function's parameters (s and n of the glossy one, a law's by its caption), exposure.
std::vector<SweepSetting> SweepSettings(const SweepBase& base);

// The frame with `setting` at `value`; or, in Russian, why it cannot be painted (a box that does
// not read, a value outside the parameter's range).
std::variant<SweptFrame, QString> StepSetting(const SweepBase& base, const SweepSetting& setting,
                                              double value);
