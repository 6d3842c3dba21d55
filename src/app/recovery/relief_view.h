#pragma once
// «Рельеф в 3D»: the recovered height as a surface one turns with the mouse (Qt Data
// Visualization), with the true surface as a wire mesh over it, in their true proportions. It
// follows each new recovery of its recovery window. Built when Qt Data Visualization is there
// (it is optional); without it the recovery window has no such button.

#include <QPushButton>
#include <vector>

#include "model/height_field.h"

class RecoveryWindow;
struct ReliefGrid;

// The button «Рельеф в 3D…» for `window`'s left column, or nullptr without Qt Data Visualization.
QPushButton* MakeReliefButton(RecoveryWindow& window);

// The cells the 3-D surface shows: every `step`-th row and column, at most `largestSide` a side,
// rows from the south (the grid's last row) to the north, as the surface wants them ascending.
struct ReliefCells {
  int step = 1;
  std::vector<int> rows;     // grid rows, south first
  std::vector<int> columns;  // grid columns, west first
};
ReliefCells ChooseReliefCells(int width, int height, int largestSide);
