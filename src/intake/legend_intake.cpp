#include "intake/legend_intake.h"

LegendErrors ReadLegendColumn(const LegendTexts& texts, const NumberFormat& format,
                              std::array<float, kIsoBandCount>& values) {
  LegendErrors errors{};
  for (int k = 0; k < kIsoBandCount; ++k) {
    const NumberReading<float> reading = ReadFloat(texts[k], format);
    errors[k] = reading.error;
    if (reading.Ok()) values[k] = reading.value;
  }
  return errors;
}

std::optional<LegendTexts> SplitLegendList(std::string_view list) {
  LegendTexts texts;
  size_t start = 0;
  for (int k = 0; k < kIsoBandCount; ++k) {
    const size_t comma = list.find(',', start);
    const bool last = k + 1 == kIsoBandCount;
    // The last text runs to the end; every other one ends at a comma.
    if (last != (comma == std::string_view::npos)) return std::nullopt;
    texts[k] = std::string(list.substr(start, last ? std::string_view::npos : comma - start));
    start = comma + 1;
  }
  return texts;
}
