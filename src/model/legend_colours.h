#pragma once
// The seven legend swatch colours (0xBBGGRR) by row: row 0 is the top row. The legend shows them
// beside the levels, and contour lines are drawn in them.

#include <array>
#include <cstdint>

inline constexpr std::array<uint32_t, 7> kSwatchColours = {0x8080FF, 0x80C0FF, 0x00FFFF, 0x00C000,
                                                           0xF0B000, 0xFF0000, 0x800060};
