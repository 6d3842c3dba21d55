#pragma once
// A picture's pixels as numpy's (height, width, 3) uint8 array: 8-bit RGB, the channels of the
// renderer's PNG file.

#include <pybind11/numpy.h>

#include "model/image_buffer.h"

pybind11::array_t<uint8_t> PictureArray(const ImageBuffer& picture);
