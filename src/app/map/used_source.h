#pragma once
// A light source the map's figure uses, with its number in «Источники»: 1 is the described
// source, 2 and 3 the extra ones. A source keeps its number, colour and label whichever others
// are used.

#include <cstddef>
#include <vector>

#include "gradient/light_sources.h"

struct UsedSource {
  int number = 1;
  LightAim aim;
};

inline size_t SourceIndex(const UsedSource& source) {
  return static_cast<size_t>(source.number - 1);
}

inline std::vector<LightAim> AimsOf(const std::vector<UsedSource>& sources) {
  std::vector<LightAim> aims;
  aims.reserve(sources.size());
  for (const UsedSource& source : sources) aims.push_back(source.aim);
  return aims;
}
