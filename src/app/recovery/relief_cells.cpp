#include <algorithm>

#include "app/recovery/relief_view.h"

ReliefCells ChooseReliefCells(int width, int height, int largestSide) {
  ReliefCells cells;
  const int side = std::max(width, height);
  cells.step = std::max(1, (side + largestSide - 1) / largestSide);
  for (int row = height - 1; row >= 0; row -= cells.step) cells.rows.push_back(row);
  for (int column = 0; column < width; column += cells.step) cells.columns.push_back(column);
  return cells;
}
