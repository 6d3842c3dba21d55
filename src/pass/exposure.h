#pragma once
// The exposure k of the grey tone (RenderState::exposure): its range, and the one that paints the
// brightest part of a picture white («По максимуму», the renderer's --exposure auto).
//
//   readout of every pixel centre -> largest finite phi -> k = 1 / phi, kept within the range

#include <functional>
#include <optional>

#include "pass/readout.h"

inline constexpr double kMinExposure = 0.1;
inline constexpr double kMaxExposure = 10.0;

// The exposure that makes the largest finite phi (the function's own) read at the pixel centres
// of a width x height picture white, within kMinExposure to kMaxExposure; 1 when no pixel has a
// positive finite phi. `readAt(x, y)` is the readout of pixel (x, y), nothing over the background.
double AutoExposure(int width, int height,
                    const std::function<std::optional<Readout>(int x, int y)>& readAt);

// The same for a sphere picture of the last pass: the readouts of its pixels (ReadoutAtPixel).
double SphereAutoExposure(const RenderState& lastPass, int width, int height);
