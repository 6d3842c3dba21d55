#include "recovery/recovered_regions.h"

#include <cstddef>

CellRegions ConnectedRegions(const std::vector<char>& inside, int width, int height) {
  CellRegions regions;
  regions.label.assign(inside.size(), -1);
  std::vector<size_t> pending;
  for (size_t seed = 0; seed < inside.size(); ++seed) {
    if (!inside[seed] || regions.label[seed] >= 0) continue;
    const int region = regions.count++;
    regions.label[seed] = region;
    pending.push_back(seed);
    while (!pending.empty()) {
      const size_t cell = pending.back();
      pending.pop_back();
      const int column = static_cast<int>(cell % static_cast<size_t>(width));
      const int row = static_cast<int>(cell / static_cast<size_t>(width));
      const auto reach = [&](int c, int r) {
        if (c < 0 || c >= width || r < 0 || r >= height) return;
        const size_t other = static_cast<size_t>(r) * static_cast<size_t>(width) + c;
        if (!inside[other] || regions.label[other] >= 0) return;
        regions.label[other] = region;
        pending.push_back(other);
      };
      reach(column - 1, row);
      reach(column + 1, row);
      reach(column, row - 1);
      reach(column, row + 1);
    }
  }
  return regions;
}
