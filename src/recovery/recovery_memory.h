#pragma once
// What a recovery will take of memory, estimated from its method, its integrator and its grid
// before any of it is taken, and the cap beyond which it is refused: the sparse factor of the
// Poisson solve on the mask grows faster than the grid (a 4096 x 4096 grid climbs past 8 GB),
// and a refusal up front is better than minutes of work and a failed allocation.
//
// Bytes a cell, measured on the renderer's peak (beyond the images, rounded up): stereo's normals
// 48; Frankot and Chellappa 128; the cosine transform 96; the Poisson solve on the mask
// 48 x log2(cells), its factor's fill-in; shape from shading 128.

#include <cstdint>
#include <optional>
#include <string>

#include "model/message.h"
#include "recovery/recover_shape.h"

inline constexpr int64_t kMaxRecoveryBytes = int64_t{4} << 30;

// The estimate for a width x height grid.
int64_t RecoveryBytes(RecoveryMethod method, Integrator integrator, int width, int height);

// The message of a recovery beyond kMaxRecoveryBytes, naming the method (and for stereo its
// integrator) and the grid, and its Russian text; nothing when it fits.
std::optional<Message> RecoveryMemoryRefusalSaid(RecoveryMethod method, Integrator integrator,
                                                 int width, int height);
std::optional<std::string> RecoveryMemoryRefusal(RecoveryMethod method, Integrator integrator,
                                                 int width, int height);
