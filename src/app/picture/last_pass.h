#pragma once
// What the last pass of the shade command leaves for what comes after it (the readout, the
// gradient-space map): a copy of the RenderState as the pass left it, the smoothing it used and
// the width of the lines drawn over it.
// Later changes of the window's controls never reach it; only the next pass replaces it.

#include "model/render_state.h"

struct LastPass {
  RenderState state;
  bool smoothing = false;  // 2x2 samples a pixel
  int lineWidth = 1;       // how many times their width the marks over its pictures are drawn
};
