#pragma once
// A light source the map's figure uses, with its number: 1 is the described source, 2 to 8 the
// extra ones (the window's «Источники», the renderer's --light options in order). A source keeps
// its number, colour and label whichever others are used.

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

// The sources numbered in their order, from 1.
inline std::vector<UsedSource> NumberedInOrder(const std::vector<LightAim>& aims) {
  std::vector<UsedSource> sources;
  sources.reserve(aims.size());
  for (const LightAim& aim : aims) sources.push_back({static_cast<int>(sources.size()) + 1, aim});
  return sources;
}
