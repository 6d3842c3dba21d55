#pragma once
// The legend's intake: the seven texts of one legend column (levels or half-widths) into the
// isoLevel or isoHalfWidth array. A text that does not read leaves its element as it was, so
// that a box the user is retyping never stops the others; the caller marks it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "intake/number_text.h"
#include "model/render_state.h"

// The texts of one column, element 0 (the top legend row) first.
using LegendTexts = std::array<std::string, kIsoBandCount>;
// For each element, why its text did not read, or NumberError::kNone.
using LegendErrors = std::array<NumberError, kIsoBandCount>;

// Reads every text as a 32-bit float; an element whose text reads takes its value.
LegendErrors ReadLegendColumn(const LegendTexts& texts, const NumberFormat& format,
                              std::array<float, kIsoBandCount>& values);

// Seven comma-separated texts ("0.9,0.8,..."), or nothing when there are not exactly seven.
std::optional<LegendTexts> SplitLegendList(std::string_view list);
