// gauss-sphere-render: writes the picture of one press of the shade button to a file.

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "pass/heap_pages.h"
#include "render_tool.h"

int main(int argc, char** argv) {
  KeepFreedHeapPages();
  // A file-size limit then fails the write with EFBIG, and a FIFO or pipe whose reader has gone
  // with EPIPE, each reported like a full disk, instead of killing the program mid-write.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return RunRenderTool(args, std::cout, std::cerr);
}
