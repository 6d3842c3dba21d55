// gauss-sphere-render: writes the picture of one press of the shade button to a file.

#include <iostream>
#include <string_view>
#include <vector>

#include "render_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return RunRenderTool(args, std::cout, std::cerr);
}
