#pragma once
// The connected regions of a set of cells on a grid: cells side by side (4-neighbours) in the set
// share a region. The depth error aligns each region on its own, since nothing ties the heights
// of two regions that a gap of unrecovered cells parts (the object and the plane around it).

#include <vector>

struct CellRegions {
  std::vector<int> label;  // one a cell: its region, 0 to count - 1, or -1 outside the set
  int count = 0;
};

// `inside` holds one flag a cell of a width x height grid, row by row.
CellRegions ConnectedRegions(const std::vector<char>& inside, int width, int height);
