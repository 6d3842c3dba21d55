#pragma once
// The albedo of each colour channel, from colour photographs and the normals recovered from their
// grey means: for each cell, the least-squares scale of the channel's values against the shading
// n·l of the lights that reach it, sum(I l·n) / sum((l·n)^2) over the images where l·n > 0 and
// the value is known. A cell without a normal, or lit by none, is NaN in every channel.

#include <array>
#include <vector>

#include "recovery/recovered_normals.h"
#include "recovery/recovery_images.h"

using ColourAlbedoChannels = std::array<std::vector<double>, 3>;

// Empty channels when `images` holds no colour.
ColourAlbedoChannels ColourAlbedo(const RecoveryImages& images, const RecoveredNormals& normals);
