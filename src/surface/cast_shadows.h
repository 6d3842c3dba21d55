#pragma once
// Cast shadows: the cells whose ray towards the source meets the terrain. One sweep across the
// grid, linear in its cells: the light's horizontal direction has a dominant axis, and the grid
// is visited line by line along that axis from the side the light comes from, each cell's horizon
// (the highest the terrain behind it rises along the ray, lowered by the ray's climb per step)
// taken from the line before by linear interpolation across the other axis.
//
//   horizon(cell) = max(z, horizon) at the ray's point one step towards the source, minus the
//                   ray's rise over that step; the cell is in shadow when z < horizon(cell)

#include <cstdint>
#include <vector>

#include "gradient/light_sources.h"
#include "model/height_field.h"

// 1 for each cell in cast shadow, as the field's cells; all 0 for a source overhead and for
// cells without data. A source at or below the horizon shadows nothing here: self-shadow (cos i
// <= 0) says it.
std::vector<uint8_t> CastShadows(const HeightField& field, const LightAim& source);

// The same by marching every cell's ray towards the source one step of the dominant axis at a
// time with the same interpolation: quadratic, for the tests.
std::vector<uint8_t> CastShadowsByMarching(const HeightField& field, const LightAim& source);
