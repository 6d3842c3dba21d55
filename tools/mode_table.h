#pragma once
// The renderer's modes as one table, in the order of precedence: the first mode whose option is
// given is the run's (list-surfaces > recover > sweep > compare with a curve > phase-curve >
// profile > compare > readout > write-setup alone > picture). Parsing resolves the job by the
// mode's row and the tool runs it by the same row.

#include <ostream>
#include <span>

#include "option_values.h"
#include "render_job.h"
#include "render_mode.h"

struct ModeRow {
  Mode mode;
  const char* option;  // the option that chooses it, as messages name it
  bool (*chosen)(const RenderJob& job);
  OptionValueError (*resolve)(RenderJob& job);  // the mode's own checks once the options are read
  int (*run)(const RenderJob& job, std::ostream& out, std::ostream& err);
};

std::span<const ModeRow> ModeTable();
const ModeRow& ModeRowOf(Mode mode);

// The first row chosen by the job's options; the scene by --images > --surface >
// --gradient-space > the sphere.
Mode DecideMode(const RenderJob& job);
Scene DecideScene(const RenderJob& job);

// The option that chooses the scene ("--gradient-space"), or "" for the sphere.
const char* SceneOption(Scene scene);
