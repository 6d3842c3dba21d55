#include "picture_array.h"

namespace py = pybind11;

namespace {

constexpr int kChannels = 3;

}  // namespace

py::array_t<uint8_t> PictureArray(const ImageBuffer& picture) {
  const int width = picture.Width();
  const int height = picture.Height();
  py::array_t<uint8_t> array({height, width, kChannels});
  auto pixels = array.mutable_unchecked<3>();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb colour = picture.At(x, y);
      pixels(y, x, 0) = static_cast<uint8_t>(colour.r);
      pixels(y, x, 1) = static_cast<uint8_t>(colour.g);
      pixels(y, x, 2) = static_cast<uint8_t>(colour.b);
    }
  }
  return array;
}
