#pragma once
// A grid of cells handed to numpy without a copy: the vector moves onto the heap and the array
// views its buffer, a capsule owning it, so a 512 x 512 result costs no copy of its 2 MB.

#include <pybind11/numpy.h>

#include <vector>

// The cells, row by row, as a (height, width) float64 array owning them.
pybind11::array_t<double> Grid(std::vector<double> cells, int width, int height);
