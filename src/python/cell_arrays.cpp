#include "cell_arrays.h"

namespace py = pybind11;

py::array_t<double> Grid(std::vector<double> cells, int width, int height) {
  auto* owned =
      new std::vector<double>(std::move(cells));  // NOLINT(cppcoreguidelines-owning-memory)
  const py::capsule owner(owned, [](void* data) {
    delete static_cast<std::vector<double>*>(data);  // NOLINT(cppcoreguidelines-owning-memory)
  });
  return py::array_t<double>({height, width}, owned->data(), owner);
}
