// gauss-sphere-render: writes the picture of one press of the shade button to a file.

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "render_tool.h"

int main(int argc, char** argv) {
  // A file-size limit then fails the write with EFBIG, reported like a full disk, instead of
  // killing the program with the file half written.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return RunRenderTool(args, std::cout, std::cerr);
}
