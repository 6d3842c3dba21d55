#pragma once
// A grid's rows in blocks on the pass pool (pass/worker_pool.h): task(first, end) for the rows
// first..end-1 of each block, the calling thread taking blocks too. Not from inside a pool block.

#include <algorithm>

#include "pass/worker_pool.h"

template <typename Task>
void RunRowBlocks(int rows, int rowsPerBlock, const Task& task) {
  const int blocks = (rows + rowsPerBlock - 1) / rowsPerBlock;
  PassPool().Run(blocks, [&](int block) {
    task(block * rowsPerBlock, std::min(rows, (block + 1) * rowsPerBlock));
  });
}
